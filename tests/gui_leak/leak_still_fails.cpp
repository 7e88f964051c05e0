// SPDX-License-Identifier: GPL-2.0-or-later
// A GUI test program that leaks on purpose: run with the GUI tests' leak
// suppressions it must still fail, so the suppressions hide only what they
// name (registered with WILL_FAIL in a sanitizer build).
#include <QApplication>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // The only pointer to the block is overwritten: nothing reaches it.
  static int* volatile block;
  block = new int[16];
  block = nullptr;
  return 0;
}
