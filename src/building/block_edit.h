#pragma once
// What every change of a block needs besides its arguments: the document,
// the user to ask, the event log, the legality rules, and the views to tell
// what changed. Block operations take these explicitly so that the desktop
// program, the batch tool and the tests each pass their own.

#include <string_view>

namespace lumora {

class BlockRules;
class EventLog;
class TDocument;
class Ui;

// The views' side of a block change. Every notice is a hint to repaint or to
// derive a view again; the model is already up to date when it arrives. The
// defaults ignore everything, which is what a front end without windows wants.
class BlockViewSink {
 public:
  static constexpr int kAllRows = -1;

  virtual ~BlockViewSink() = default;

  // Grid cells of one crew member's row, `dayCount` days from `firstDay`.
  virtual void cellsChanged(int /*crew*/, int /*firstDay*/, int /*dayCount*/) {}
  // A crew member's whole row: his check marks, name colour and credit.
  // kAllRows when a rule looked at the whole roster.
  virtual void rowsChanged(int /*crew*/) {}
  // The pairing window: lay it out again, or only repaint it.
  virtual void pairingWindowChanged(bool /*layoutAgain*/) {}
  // The block-holder marks or a block's credit moved: the name column is
  // repainted and the block filters are applied again.
  virtual void blockFiltersChanged() {}
  // The day balance of one day of the month changed (grid header).
  virtual void dayBalanceChanged(int /*day*/) {}
  // Credit of the open instances and of every instance, in minutes.
  virtual void openTimeChanged(int /*open*/, int /*total*/) {}
  // The roster's time-bank text " TB %d:%02d".
  virtual void timeBankChanged(std::string_view /*text*/) {}
};

struct BlockEditContext {
  TDocument& doc;
  Ui& ui;
  EventLog& log;
  BlockRules& rules;
  BlockViewSink& views;
};

}  // namespace lumora
