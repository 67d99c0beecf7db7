#include "entry/frmInsercao.h"

#include "common/ModuloTessaura.h"

// Placeholder until the window is built (not registered yet): keeps the
// values it is given.

frmInsercao::frmInsercao()
{
    setObjectName(QStringLiteral("frmInsercao"));
}

void frmInsercao::Form_Load()
{
    ModuloTessaura::InsercaoCarregado = true;
}

void frmInsercao::Form_Unload()
{
    ModuloTessaura::InsercaoCarregado = false;
}

MapaInsercao::PaginaInsercao frmInsercao::Pagina() const
{
    return m_pagina;
}

void frmInsercao::MostrarPagina(const MapaInsercao::PaginaInsercao& p)
{
    m_pagina = p;
}

void frmInsercao::Esvaziar()
{
    m_pagina = {};
}

void frmInsercao::AtualizarMaximo() {}

void frmInsercao::PreencherDe(Banco::Recordset& origem)
{
    m_pagina = MapaInsercao::Ler(origem);
}
