#include "app/Varelto.h"

int main(int argc, char** argv) {
  Varelto app(argc, argv);
  return app.Run();
}
