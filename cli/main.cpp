// lumora-cli: the batch front end. It runs the same core as the desktop
// program, answering questions from a policy and printing messages on stderr.

#include <CLI/CLI.hpp>

int main(int argc, char** argv) {
  CLI::App app{"Lumora batch tool: runs schedule-file commands without windows"};
  app.set_version_flag("--version", std::string("lumora-cli ") + LUMORA_VERSION);
  app.require_subcommand(0);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    const int rc = app.exit(e);
    // Bad arguments are "could not run" (2); --help and --version succeed.
    return rc == 0 ? 0 : 2;
  }
  return 0;
}
