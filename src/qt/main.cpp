#include <cstdio>

int main() {
    std::puts("Girolino: la finestra principale non e' ancora disponibile.");
    return 0;
}
