#include "entry/GravadorEntrada.h"

// Placeholder bodies until the writer is built.
namespace GravadorEntrada {

bool GravarEAvancarAlternativa()
{
    return true;
}

bool GravarFormulariosAtuais()
{
    return true;
}

bool GravarJanelasCarregadas()
{
    return true;
}

}  // namespace GravadorEntrada
