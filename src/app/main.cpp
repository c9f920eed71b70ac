// The program's entry point.
#include "app/shell.h"

int main(int argc, char** argv) {
  return app::WinMain(argc, argv);
}
