#pragma once
// Printing: the printer the program keeps for the whole run, and the
// printouts it hands to it. A printout draws each page on a Canvas in a
// logical space of its own choosing, which the printer stretches over the
// printable area of the page (across and down separately, so a printout
// always fills its page whatever the paper).

#include <string>

#include "platform/canvas.h"

namespace lumora {

// The logical units across and down that fill the printable area.
struct PageSpace {
  int width = 0;
  int height = 0;
  friend bool operator==(const PageSpace&, const PageSpace&) = default;
};

class Printout {
 public:
  virtual ~Printout() = default;

  // The print job's name.
  virtual std::string title() const = 0;
  virtual PageSpace space() const = 0;
  // Asked once per print run, before any page; it starts the run afresh.
  virtual int pageCount() = 0;
  // Whether the print dialog offers a range of pages.
  virtual bool offersPageRange() const { return true; }
  // Pages are numbered from 1 and come in increasing order; a run over a
  // range of pages starts after page 1.
  virtual void printPage(int page, Canvas& canvas) = 0;
};

class Printer {
 public:
  virtual ~Printer() = default;

  // "Print Setup...": the printer dialog (printer, paper, orientation); the
  // choice holds for every later printout of the run.
  virtual void setup() = 0;
  // The print dialog (and a preview of the pages) for `printout`, then the
  // pages chosen; false when the user cancelled or printing failed (the
  // platform reports its own failures).
  virtual bool print(Printout& printout) = 0;
};

}  // namespace lumora
