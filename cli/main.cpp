#include <CLI/CLI.hpp>
#include <iostream>

#include "devices/catalogue.h"

int main(int argc, char** argv) {
  CLI::App app{"lptpic-cli: PIC programmer on the parallel port"};
  app.require_subcommand(1);
  auto* devices = app.add_subcommand("devices", "list the device catalogue");
  CLI11_PARSE(app, argc, argv);
  if (devices->parsed()) {
    for (auto name : lpt::CatalogueNames()) std::cout << name << "\n";
  }
  return 0;
}
