// Glimmerdeep: the program runs the game and ends.
#include "shell/shell.h"

int main() {
    RunGame();
    return 0;
}
