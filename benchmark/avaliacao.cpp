#include <cstdio>

// The evaluation run at N = 100, 1 000 and 10 000 synthetic alternatives.
void MedirAvaliacao()
{
    std::printf("avaliacao: not measured yet\n");
}
