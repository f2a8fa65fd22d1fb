// Prints where the program installed in the folder given would find its help
// page, so the install check can hold the installed layout and the lookup
// together.
#include <iostream>

#include "shell/desktop_tools.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: help_page_probe PROGRAM_FOLDER\n";
    return 2;
  }
  const auto page = lumora::FindHelpPage(argv[1]);
  if (!page) return 1;
  std::cout << page->string() << '\n';
  return 0;
}
