#pragma once
// The batch tool's Ui: the shared unattended one on the error stream, with
// no line prefix. Questions are answered No (Cancel for OK/Cancel), or Yes
// (OK) when the command line says --yes.

#include <iostream>

#include "platform/unattended_ui.h"

namespace lumora {

class BatchUi final : public UnattendedUi {
 public:
  BatchUi(std::ostream& out, bool yes)
      : UnattendedUi(out, yes ? UnattendedAnswers::Yes : UnattendedAnswers::No) {}
  explicit BatchUi(bool yes = false) : BatchUi(std::cerr, yes) {}
};

}  // namespace lumora
