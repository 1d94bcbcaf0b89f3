#include "app/application.h"

int main(int argc, char** argv) {
    return tv::app::RunApplication(argc, argv);
}
