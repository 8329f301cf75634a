// SPDX-License-Identifier: GPL-3.0-or-later
#include "lookup/minimal_automaton.h"

#include <algorithm>

namespace flexoria {
namespace {

constexpr std::uint8_t kFinalBit = kStoredFinalBit;
constexpr std::size_t kShortCount = kStoredShortCount;
constexpr std::size_t kArcBytes = kStoredArcBytes;
constexpr std::size_t kLargestBlock = std::size_t{1} << 24;

std::size_t HeaderBytes(std::size_t arcs) { return arcs >= kShortCount ? 2 : 1; }

}  // namespace

AutomatonBuilder::AutomatonBuilder() : kept_(0, StateHash{&states_}, SameState{&states_}) {
  path_.push_back(NewState());
}

bool AutomatonBuilder::SameState::operator()(std::uint32_t a, std::uint32_t b) const {
  const State& first = (*states)[a];
  const State& second = (*states)[b];
  return first.final == second.final && first.arcs == second.arcs;
}

std::size_t AutomatonBuilder::StateHash::operator()(std::uint32_t state) const {
  const State& node = (*states)[state];
  std::size_t hash = node.final ? 1469598103934665603u : 1099511628211u;
  for (const auto& [byte, target] : node.arcs) {
    hash = (hash ^ byte) * 1099511628211u;
    hash = (hash ^ target) * 1099511628211u;
  }
  return hash;
}

std::uint32_t AutomatonBuilder::NewState() {
  if (!free_.empty()) {
    const std::uint32_t state = free_.back();
    free_.pop_back();
    return state;
  }
  states_.emplace_back();
  return static_cast<std::uint32_t>(states_.size() - 1);
}

void AutomatonBuilder::Settle(std::size_t depth) {
  while (path_.size() > depth + 1) {
    const std::uint32_t child = path_.back();
    path_.pop_back();
    const auto [kept, added] = kept_.insert(child);
    if (added) continue;
    states_[path_.back()].arcs.back().second = *kept;
    // Emptied but not let go: the next new state reuses its room for arcs.
    states_[child].final = false;
    states_[child].arcs.clear();
    free_.push_back(child);
  }
}

bool AutomatonBuilder::Add(std::string_view word) {
  if (any_ && word <= previous_) return false;
  const std::size_t shared =
      static_cast<std::size_t>(std::ranges::mismatch(word, previous_).in1 - word.begin());
  Settle(any_ ? shared : 0);
  for (std::size_t at = path_.size() - 1; at < word.size(); ++at) {
    const std::uint32_t next = NewState();
    states_[path_.back()].arcs.emplace_back(static_cast<std::uint8_t>(word[at]), next);
    path_.push_back(next);
  }
  states_[path_.back()].final = true;
  previous_.assign(word);
  any_ = true;
  return true;
}

std::vector<std::uint8_t> AutomatonBuilder::Finish() {
  Settle(0);
  // Each state before the states it leads to: the reverse of an order in
  // which every state follows its targets.
  std::vector<std::uint32_t> order;
  std::vector<std::uint8_t> seen(states_.size());
  std::vector<std::pair<std::uint32_t, std::size_t>> stack{{path_.front(), 0}};
  seen[path_.front()] = 1;
  while (!stack.empty()) {
    auto& [state, arc] = stack.back();
    const auto& arcs = states_[state].arcs;
    if (arc < arcs.size()) {
      const std::uint32_t target = arcs[arc++].second;
      if (seen[target] == 0) {
        seen[target] = 1;
        stack.emplace_back(target, 0);
      }
      continue;
    }
    order.push_back(state);
    stack.pop_back();
  }
  std::ranges::reverse(order);
  std::vector<std::uint32_t> offset(states_.size());
  std::size_t size = 0;
  for (const std::uint32_t state : order) {
    offset[state] = static_cast<std::uint32_t>(size);
    const std::size_t arcs = states_[state].arcs.size();
    size += HeaderBytes(arcs) + arcs * kArcBytes;
  }
  if (size > kLargestBlock) return {};
  std::vector<std::uint8_t> block;
  block.reserve(size);
  for (const std::uint32_t state : order) {
    const State& node = states_[state];
    const std::size_t arcs = node.arcs.size();
    const auto flag = static_cast<std::uint8_t>(node.final ? kFinalBit : 0);
    block.push_back(static_cast<std::uint8_t>(flag | std::min(arcs, kShortCount)));
    if (arcs >= kShortCount) block.push_back(static_cast<std::uint8_t>(arcs - kShortCount));
    for (const auto& [byte, target] : node.arcs) {
      const std::uint32_t at = offset[target];
      block.insert(block.end(),
                   {byte, static_cast<std::uint8_t>(at), static_cast<std::uint8_t>(at >> 8),
                    static_cast<std::uint8_t>(at >> 16)});
    }
  }
  states_.clear();
  kept_.clear();
  return block;
}

Automaton::Automaton(std::span<const std::uint8_t> block) : block_(block) {
  if (!HoldsTogether()) block_ = {};
  from_root_.fill(kNoState);
  if (!block_.empty()) {
    ForEachArc(0, [this](std::uint8_t byte, std::uint32_t target) { from_root_[byte] = target; });
  }
}

// Every state read in turn: its arcs inside the block, each leading
// forward to where a state starts.
bool Automaton::HoldsTogether() const {
  if (block_.empty() || block_.size() > kLargestBlock) return false;
  std::vector<std::uint8_t> starts(block_.size());
  std::size_t at = 0;
  while (at < block_.size()) {
    starts[at] = 1;
    std::size_t count = block_[at] & ~kFinalBit;
    std::size_t header = 1;
    if (count >= kShortCount) {
      if (at + 1 >= block_.size()) return false;
      count = kShortCount + block_[at + 1];
      header = 2;
    }
    if (count * kArcBytes > block_.size() - at - header) return false;
    at += header + count * kArcBytes;
  }
  for (std::size_t state = 0; state < block_.size();) {
    const auto [first, count] = Arcs(static_cast<std::uint32_t>(state));
    int previous = -1;
    bool fits = true;
    ForEachArc(static_cast<std::uint32_t>(state), [&](std::uint8_t byte, std::uint32_t target) {
      fits = fits && byte > previous && target > state && target < block_.size() &&
             starts[target] != 0;
      previous = byte;
    });
    if (!fits) return false;
    state = first + count * kArcBytes;
  }
  return true;
}

}  // namespace flexoria
