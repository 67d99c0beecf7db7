#include "projects/Projetos.h"

namespace Projetos {

void SalvarProjeto()
{
    // The project store and its save dialog come with the project files.
}

}  // namespace Projetos
