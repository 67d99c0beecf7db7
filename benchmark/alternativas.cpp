#include <cstdio>

// Creating and removing the rows of the alternatives table.
void MedirAlternativas()
{
    std::printf("alternativas: not measured yet\n");
}
