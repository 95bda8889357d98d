// What the C++ runtime's own start costs: a program that writes one line
// with std::cout and ends, built and linked as the menu programs are. The
// start-up benchmark times it beside them.

#include <iostream>

int main() { std::cout << "menu\n"; }
