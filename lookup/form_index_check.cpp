#include "lookup/form_index_check.h"

#include <map>
#include <set>

#include "lookup/form_lookup.h"

namespace flexoria {
namespace {

constexpr std::size_t kProblemsShown = 20;

std::string Describe(std::string_view name, std::string_view person, std::string_view stem,
                     std::string_view ending, bool in_lexicon) {
  std::string text;
  for (const std::string_view part : {name, std::string_view(" "), person, std::string_view(" "),
                                      stem, std::string_view("+"), ending}) {
    text += part;
  }
  return in_lexicon ? text : text + " (not in the lexicon)";
}

}  // namespace

FormIndexCheck CheckFormIndex(const FormIndex& index, std::span<const IndexedVerb> verbs) {
  FormIndexCheck check;
  FormLookup lookup(index);
  FullParadigm paradigm;
  const auto problem = [&](std::string text) {
    if (check.problem_count++ < kProblemsShown) check.problems.push_back(std::move(text));
  };
  std::map<Text, std::set<std::string>> shown;
  for (const IndexedVerb& verb : verbs) {
    for (const Text& entry : {Text(verb.infinitive), PronominalOf(verb.infinitive)}) {
      const std::string name = EncodeUtf8(entry);
      shown.clear();
      ForEachForm(paradigm, entry, [&](const VerbForm& form) {
        ++check.forms;
        shown[TextOf(form)].insert(Describe(form.name, EncodeUtf8(form.person),
                                            EncodeUtf8(form.stem), EncodeUtf8(form.ending),
                                            verb.in_lexicon));
      });
      for (const auto& [text, readings] : shown) {
        std::set<std::string> found;
        for (const FormReading& reading : lookup.Identify(text).readings) {
          if (reading.verb != name) continue;
          found.insert(Describe(reading.name, reading.person, reading.stem, reading.ending,
                                reading.in_lexicon));
        }
        std::string form = "\"";
        for (const std::string_view part :
             {std::string_view(EncodeUtf8(text)), std::string_view("\" of "),
              std::string_view(name), std::string_view(": ")})
          form += part;
        for (const std::string& reading : readings) {
          if (found.erase(reading) == 0) problem(form + "misses " + reading);
        }
        for (const std::string& extra : found) problem(form + "reads also as " + extra);
      }
    }
  }
  return check;
}

}  // namespace flexoria
