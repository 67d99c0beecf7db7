#include "entry/MapaImpacto.h"

#include "common/Escala.h"
#include "common/Numeros.h"
#include "common/Percurso.h"

namespace MapaImpacto {

namespace {

bool temValor(const QVariant& v)
{
    return !Numeros::TextoDoCampo(v).isEmpty();
}

int nivel(const QVariant& v)
{
    if (!temValor(v))
        return 0;
    bool ok = false;
    const int n = v.toInt(&ok);
    return ok && Escala::NivelValido(n) ? n : 0;
}

void gravarNivel(Banco::Recordset& rs, const char* campo, int n)
{
    if (Escala::NivelValido(n))
        rs.Definir(QString::fromLatin1(campo), n);
}

}  // namespace

ItensImpacto Avaliar(const PaginaImpacto& p)
{
    using Percurso::NumeroFornecido;
    ItensImpacto i;
    i.vazoes = (NumeroFornecido(p.qjmin) || NumeroFornecido(p.qjmax)) && NumeroFornecido(p.qalvo);
    i.recarga = NumeroFornecido(p.recarga1) && NumeroFornecido(p.recarga2);
    i.ptd = p.ptd != 0;
    i.ppi = p.ppi != 0;
    i.iasup = p.iasup != 0;
    i.iasub = p.iasub != 0;
    return i;
}

void Gravar(Banco::Recordset& rs, const PaginaImpacto& p)
{
    Percurso::GravarCaixa(rs, QStringLiteral("QJmin"), p.qjmin);
    Percurso::GravarCaixa(rs, QStringLiteral("QJmax"), p.qjmax);
    Percurso::GravarCaixa(rs, QStringLiteral("Qalvo"), p.qalvo);
    if (p.recarga == Recarga::Area) {
        Percurso::GravarCaixa(rs, QStringLiteral("Ainf"), p.recarga1);
        Percurso::GravarCaixa(rs, QStringLiteral("Anat"), p.recarga2);
        rs.Definir(QStringLiteral("Qinf"), QVariant());
        rs.Definir(QStringLiteral("Qnat"), QVariant());
    }
    if (p.recarga == Recarga::Vazao) {
        Percurso::GravarCaixa(rs, QStringLiteral("Qinf"), p.recarga1);
        Percurso::GravarCaixa(rs, QStringLiteral("Qnat"), p.recarga2);
        rs.Definir(QStringLiteral("Ainf"), QVariant());
        rs.Definir(QStringLiteral("Anat"), QVariant());
    }
    gravarNivel(rs, "PTD", p.ptd);
    gravarNivel(rs, "PPI", p.ppi);
    gravarNivel(rs, "IAsup", p.iasup);
    gravarNivel(rs, "IAsub", p.iasub);
}

PaginaImpacto Ler(const Banco::Recordset& rs)
{
    using Percurso::TextoParaCaixa;
    PaginaImpacto p = PaginaImpacto::Vazia(Recarga::Vazao);
    if (!rs.TemLinhaAtual())
        return p;
    auto campo = [&rs](const char* nome) { return rs.Campo(QString::fromLatin1(nome)); };

    const QVariant qjmin = campo("QJmin");
    if (temValor(qjmin)) {
        p.minima = true;
        p.qjmin = TextoParaCaixa(qjmin);
    }
    const QVariant qjmax = campo("QJmax");
    if (temValor(qjmax)) {
        p.maxima = true;
        p.qjmax = TextoParaCaixa(qjmax);
    }
    p.qalvo = TextoParaCaixa(campo("Qalvo"));

    // A complete pair decides the choice (areas when both are complete), so a
    // stray field of the other pair cannot displace it. Without a complete pair
    // each pair is recognised by either of its fields, so that a pair stored
    // with one value only comes back and is written back unchanged.
    const QVariant qinf = campo("Qinf"), qnat = campo("Qnat");
    const QVariant ainf = campo("Ainf"), anat = campo("Anat");
    const bool vazaoCompleta = temValor(qinf) && temValor(qnat);
    const bool areaCompleta = temValor(ainf) && temValor(anat);
    bool vazao = temValor(qinf) || temValor(qnat);
    bool area = temValor(ainf) || temValor(anat);
    if (vazaoCompleta || areaCompleta) {
        area = areaCompleta;
        vazao = !areaCompleta;
    }
    if (vazao) {
        p.recarga = Recarga::Vazao;
        p.recarga1 = TextoParaCaixa(qinf);
        p.recarga2 = TextoParaCaixa(qnat);
    }
    if (area) {
        p.recarga = Recarga::Area;
        p.recarga1 = TextoParaCaixa(ainf);
        p.recarga2 = TextoParaCaixa(anat);
    }

    p.ptd = nivel(campo("PTD"));
    p.ppi = nivel(campo("PPI"));
    p.iasup = nivel(campo("IAsup"));
    p.iasub = nivel(campo("IAsub"));
    return p;
}

bool TomarCampo(PaginaImpacto& p, const Banco::Recordset& rs, const QString& campo)
{
    auto e = [&campo](const char* nome) { return campo == QLatin1String(nome); };
    if (e("Qinf") || e("Qnat") || e("Ainf") || e("Anat")) {
        using Percurso::TextoParaCaixa;
        const bool area = campo.startsWith(QLatin1Char('A'));
        const Recarga par = area ? Recarga::Area : Recarga::Vazao;
        if (p.recarga != par) {
            p.recarga = par;
            p.recarga1 = TextoParaCaixa(rs.Campo(area ? QStringLiteral("Ainf") : QStringLiteral("Qinf")));
            p.recarga2 = TextoParaCaixa(rs.Campo(area ? QStringLiteral("Anat") : QStringLiteral("Qnat")));
        } else {
            (campo.endsWith(QLatin1String("inf")) ? p.recarga1 : p.recarga2) = TextoParaCaixa(rs.Campo(campo));
        }
        return true;
    }
    const PaginaImpacto linha = Ler(rs);
    if (e("QJmin")) {
        p.minima = linha.minima;
        p.qjmin = linha.qjmin;
    } else if (e("QJmax")) {
        p.maxima = linha.maxima;
        p.qjmax = linha.qjmax;
    } else if (e("Qalvo")) {
        p.qalvo = linha.qalvo;
    } else if (e("PTD")) {
        p.ptd = linha.ptd;
    } else if (e("PPI")) {
        p.ppi = linha.ppi;
    } else if (e("IAsup")) {
        p.iasup = linha.iasup;
    } else if (e("IAsub")) {
        p.iasub = linha.iasub;
    } else {
        return false;
    }
    return true;
}

std::optional<Aproveitamento::Datum> DatumDaCaixa(int caixa, Recarga r)
{
    const QString q = QStringLiteral("Q"), m3 = QStringLiteral("m3");
    switch (caixa) {
    case 1:
        return Aproveitamento::Datum{Titulo, q, QStringLiteral("Mín"), QStringLiteral("jus"), m3,
                                     QStringLiteral("QJmin")};
    case 2:
        return Aproveitamento::Datum{Titulo, q, QStringLiteral("Máx"), QStringLiteral("jus"), m3,
                                     QStringLiteral("QJmax")};
    case 3:
        return Aproveitamento::Datum{Titulo, q, QString(), QStringLiteral("alvo"), m3,
                                     QStringLiteral("Qalvo")};
    case 4:
    case 5: {
        const QString indice = caixa == 4 ? QStringLiteral("inf") : QStringLiteral("nat");
        if (r == Recarga::Area)
            return Aproveitamento::Datum{Titulo, QStringLiteral("A"), QString(), indice,
                                         QStringLiteral("m2"),
                                         caixa == 4 ? QStringLiteral("Ainf") : QStringLiteral("Anat")};
        if (r == Recarga::Vazao)
            return Aproveitamento::Datum{Titulo, q, QString(), indice, m3,
                                         caixa == 4 ? QStringLiteral("Qinf") : QStringLiteral("Qnat")};
        return std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

}  // namespace MapaImpacto
