// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdint>

#include "lookup/form_lookup.h"

extern "C" const std::uint8_t flexoria_form_index_begin[];
extern "C" const std::uint8_t flexoria_form_index_end[];

namespace flexoria {

std::span<const std::uint8_t> EmbeddedFormIndexBlock() {
  return {flexoria_form_index_begin, flexoria_form_index_end};
}

const FormIndex& EmbeddedFormIndex() {
  static const FormIndex index(EmbeddedFormIndexBlock());
  return index;
}

}  // namespace flexoria
