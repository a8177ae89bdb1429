#pragma once
// What the encyclopedia keeps between look-ups: how its files are packed, the
// packer's tables, the rich-text body and status text of the entry last found,
// and the view that shows the entry.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/rich_text.h"

namespace vorda {

// One code byte of a packed text and the bytes it stands for.
struct CodeExpansion {
  std::uint8_t Code = 0;
  std::string Text;
};

// The packer's data. A method is known only when its tables were read: without
// them only plain files can be read.
struct EncyclopediaPacking {
  bool Method1Known = false;
  std::uint8_t Seed1 = 0;  // where every unpacking of method 1 starts its generator
  std::vector<CodeExpansion> Table1;  // at most 27 entries, applied in this order
  bool Method2Known = false;
  std::vector<CodeExpansion> Table2;  // at most 46 entries, applied in this order
};

struct EncyclopediaState {
  // 0 plain, 1 or 2: the packing method of TEXT.DTA and TEXT.IDX.
  std::uint8_t EncyclopediaTextMode = 0;
  EncyclopediaPacking Packing;
  // The rich-text body of the entry last found; empty when the last look-up
  // found nothing.
  std::string EncyclopediaText;
  // The status panel's text for the entry last found.
  std::string StatusText;
};

EncyclopediaState& Encyclopedia();
void ResetEncyclopediaState();

// The view the entries are shown in; by default one that only records them.
// The caller keeps the view alive while it is installed.
RichTextView& EncyclopediaView();
void InstallEncyclopediaView(RichTextView* view);  // nullptr: back to the default

}  // namespace vorda
