#pragma once
// The properties of one day of operation of a pairing: its training type
// and, for some pilot pairings, the credit excluded from the block.

#include <string>

#include "building/block_edit.h"
#include "model/document.h"

namespace lumora {

class PairPropsDialog {
 public:
  // Training types, the radio buttons' values.
  static constexpr int kNormal = 0, kLineIndoc = 1, kLineCheck = 2, kRecurrentLck = 3;

  PairPropsDialog(const TDocument& doc, int pair, int day);

  // "Properties for %c%04d on %s %02d".
  const std::string& caption() const { return caption_; }
  // Whether the "Exclude Credit" field is shown.
  bool excludeShown() const { return excludeShown_; }

  int type = kNormal;       // "Pairing Type for This Day of Ops"
  std::string excludeText;  // "Exclude Credit", picture "##:##"

  // OK: true when the dialog closes. Stores the type and, after asking, the
  // excluded credit; recomputes every block credit when that changed.
  bool ok(BlockEditContext& ctx);

 private:
  int pair_ = -1;
  int day_ = -1;
  bool valid_ = false;
  bool excludeShown_ = false;
  std::string caption_;
};

}  // namespace lumora
