#pragma once
// The insertion window: entry page of criterion "Inserção da Obra".
#include "common/Janelas.h"
#include "entry/Aproveitamento.h"
#include "entry/MapaInsercao.h"

class frmInsercao : public Formulario, public ReceptorCriterio {
    Q_OBJECT
public:
    frmInsercao();

    void Form_Load() override;
    void Form_Unload() override;

    // The window's controls as values (what the writers store), and the
    // controls filled from values.
    MapaInsercao::PaginaInsercao Pagina() const;
    void MostrarPagina(const MapaInsercao::PaginaInsercao& p);
    // Text1..Text5 empty and every option deselected; Text6 keeps its text.
    void Esvaziar();
    // The running maximum beside the expropriation box: Text6 takes Text5's
    // number when it is larger.
    void AtualizarMaximo();
    void PreencherDe(Banco::Recordset& origem) override;

private:
    MapaInsercao::PaginaInsercao m_pagina;
};
