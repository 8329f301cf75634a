// SPDX-License-Identifier: GPL-3.0-or-later
// What one conjugation request did, as data: the front ends lay it out and
// decide by it, never by the texts the request showed.
#pragma once

#include "core/form_cells.h"
#include "engine/form_table.h"

namespace flexoria {

enum class RequestOutcome {
  kShown,                 // the selected form is displayed
  kRefusedReflexive,      // the entry ends in "se"
  kRefusedNotInfinitive,  // the entry is no infinitive
  kStoppedSilently,       // a stem could not be cut; the display stays as it was
};

struct RequestResult {
  RequestOutcome outcome = RequestOutcome::kShown;
  bool unknown_word = false;         // the unknown-word notice was shown
  TextView restricted_use_notice;    // shown when not empty
  const FormSpec* form = nullptr;    // with kShown: the form displayed
  const FormCells* cells = nullptr;  // its cells, valid until the session's next request

  bool shown() const { return outcome == RequestOutcome::kShown; }
  bool refused() const {
    return outcome == RequestOutcome::kRefusedReflexive ||
           outcome == RequestOutcome::kRefusedNotInfinitive;
  }
};

}  // namespace flexoria
