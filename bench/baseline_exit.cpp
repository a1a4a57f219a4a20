// The one-shot baseline: a C++ program that only starts and exits.
int main() {
    return 0;
}
