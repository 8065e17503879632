#include <cstdio>

int main()
{
    std::puts("Kalvex! is built, but it has no window yet.");
    return 0;
}
