// The game executable. The foundation work replaces this with the real entry.
int main() { return 1; }
