// SPDX-License-Identifier: GPL-3.0-or-later
// A minimal acyclic automaton over byte strings: built once, from strings
// given in sorted order, and then only walked. Strings that end alike share
// their states, so a set of many similar strings is stored in little room.
//
// The stored block is a run of states, each before every state it leads to
// (so a walk only ever moves forward and the automaton cannot loop):
//   one byte: bit 7 set when a string ends here, bits 0-6 the number of
//             arcs, 127 meaning "127 plus the next byte";
//   per arc, sorted by their byte: the byte, then the offset of the state it
//             leads to, 3 bytes little-endian, from the block's start.
// Limits: a block of at most 16 MB, at most 382 arcs out of a state (so any
// byte value). The trade-off: four bytes an arc and a linear or binary
// search over a state's arcs, rather than tables that index by byte, which
// would be faster and far bigger.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace flexoria {

// Builds the automaton of a sorted set of strings (Daciuk, Mihov, Watson
// and Watson, 2000): each string's states that no later string can share
// are merged with an equal state already kept, or kept themselves.
class AutomatonBuilder {
 public:
  AutomatonBuilder();

  // Adds the next string; false, and nothing added, when it does not sort
  // after the one before it.
  bool Add(std::string_view word);
  // The stored block; the builder is spent.
  std::vector<std::uint8_t> Finish();

 private:
  struct State {
    bool final = false;
    std::vector<std::pair<std::uint8_t, std::uint32_t>> arcs;
  };
  struct SameState {
    const std::vector<State>* states;
    bool operator()(std::uint32_t a, std::uint32_t b) const;
  };
  struct StateHash {
    const std::vector<State>* states;
    std::size_t operator()(std::uint32_t state) const;
  };

  std::uint32_t NewState();
  // Merges or keeps the states of the path deeper than `depth`.
  void Settle(std::size_t depth);

  std::vector<State> states_;
  std::vector<std::uint32_t> free_;
  std::vector<std::uint32_t> path_;  // the last string's states, the root first
  std::string previous_;
  bool any_ = false;
  std::unordered_set<std::uint32_t, StateHash, SameState> kept_;
};

// Walks a stored block. A block that does not hold together (an arc that
// leads backwards, outside the block or into the middle of a state) is
// refused whole: the automaton is then empty.
inline constexpr std::uint8_t kStoredFinalBit = 0x80;
inline constexpr std::size_t kStoredShortCount = 127;
inline constexpr std::size_t kStoredArcBytes = 4;

class Automaton {
 public:
  static constexpr std::uint32_t kNoState = 0xFFFFFFFF;

  Automaton() = default;
  explicit Automaton(std::span<const std::uint8_t> block);

  bool empty() const { return block_.empty(); }
  std::size_t size_bytes() const { return block_.size(); }
  std::uint32_t root() const { return block_.empty() ? kNoState : 0; }

  bool IsFinal(std::uint32_t state) const { return (block_[state] & 0x80) != 0; }
  // Where `byte` leads from `state`, or kNoState.
  std::uint32_t Next(std::uint32_t state, std::uint8_t byte) const;
  // Where `bytes` lead from `state`, or kNoState.
  std::uint32_t Walk(std::uint32_t state, std::string_view bytes) const;

  // Whether `state` has one arc and no other; if so, its byte and target.
  bool OnlyArc(std::uint32_t state, std::uint8_t& byte, std::uint32_t& target) const {
    if ((block_[state] & ~kStoredFinalBit) != 1) return false;
    const std::uint8_t* arc = &block_[state + 1];
    byte = arc[0];
    target = static_cast<std::uint32_t>(arc[1] | arc[2] << 8 | arc[3] << 16);
    return true;
  }
  // Calls visit(byte, target) for each arc of `state`, in byte order.
  template <typename Visit>
  void ForEachArc(std::uint32_t state, Visit visit) const {
    const auto [first, count] = Arcs(state);
    for (std::size_t arc = 0; arc < count; ++arc) {
      const std::uint8_t* at = &block_[first + arc * 4];
      visit(at[0], static_cast<std::uint32_t>(at[1] | at[2] << 8 | at[3] << 16));
    }
  }

 private:
  // Where a state's arcs start and how many there are.
  std::pair<std::size_t, std::size_t> Arcs(std::uint32_t state) const;
  bool HoldsTogether() const;

  std::span<const std::uint8_t> block_;
  // Where each byte leads from the root, or kNoState: every walk begins
  // there, at the state with the most arcs.
  std::array<std::uint32_t, 256> from_root_{};
};

inline std::pair<std::size_t, std::size_t> Automaton::Arcs(std::uint32_t state) const {
  const std::size_t count = block_[state] & ~kStoredFinalBit;
  if (count < kStoredShortCount) return {state + 1, count};
  return {state + 2, kStoredShortCount + block_[state + 1]};
}

inline std::uint32_t Automaton::Next(std::uint32_t state, std::uint8_t byte) const {
  if (state == 0) return from_root_[byte];
  auto [first, count] = Arcs(state);
  // The arcs are sorted by their byte: a few are read in turn, more halved.
  constexpr std::size_t kReadInTurn = 8;
  if (count <= kReadInTurn) {
    for (const std::uint8_t* arc = &block_[first]; count > 0; --count, arc += kStoredArcBytes) {
      if (arc[0] == byte) return static_cast<std::uint32_t>(arc[1] | arc[2] << 8 | arc[3] << 16);
      if (arc[0] > byte) break;
    }
    return kNoState;
  }
  while (count > 0) {
    const std::size_t half = count / 2;
    const std::uint8_t* arc = &block_[first + half * kStoredArcBytes];
    if (arc[0] == byte) return static_cast<std::uint32_t>(arc[1] | arc[2] << 8 | arc[3] << 16);
    if (arc[0] < byte) {
      first += (half + 1) * kStoredArcBytes;
      count -= half + 1;
    } else {
      count = half;
    }
  }
  return kNoState;
}

inline std::uint32_t Automaton::Walk(std::uint32_t state, std::string_view bytes) const {
  for (const char c : bytes) {
    if (state == kNoState) break;
    state = Next(state, static_cast<std::uint8_t>(c));
  }
  return state;
}

}  // namespace flexoria
