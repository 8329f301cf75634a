// The entry box's remapped keys: six keys of an English keyboard type the
// Spanish letters that it lacks.
#pragma once

#include <QString>
#include <array>

namespace flexoria::ui {

struct KeyRemap {
  char16_t typed;
  char16_t becomes;
};

inline constexpr std::array<KeyRemap, 6> kEntryKeyRemaps{{
    {u'\'', u'á'},
    {u';', u'é'},
    {u'`', u'í'},
    {u'\\', u'ó'},
    {u'/', u'ú'},
    {u'[', u'ñ'},
}};

// The text a key press should insert: `typed` itself unless it is one of
// the remapped characters.
QString RemapTypedText(const QString& typed);

}  // namespace flexoria::ui
