#include "projects/Senha.h"

namespace Projetos {

namespace {

// Windows-1252 characters 128..159; the five codes the page leaves undefined
// stand for themselves, as the system's conversion maps them.
const char16_t kAlto[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int codigo(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < 32; ++i) {
        if (kAlto[i] == u)
            return 0x80 + i;
    }
    return '?';
}

QChar caractere(int codigo)
{
    if (codigo >= 0x80 && codigo < 0xA0)
        return QChar(kAlto[codigo - 0x80]);
    return QChar(static_cast<char16_t>(codigo));
}

}  // namespace

QString EmbaralharSenha(const QString& texto, const QString& chave)
{
    QString resultado;
    if (chave.isEmpty())
        return resultado;
    resultado.reserve(texto.size());
    int posicao = 0;
    for (const QChar c : texto) {
        if (++posicao > chave.size())
            posicao = 1;
        const int b = codigo(chave.at(posicao - 1)) | 128;
        int s = codigo(c);
        // With a key of lowercase letters this takes at most two rounds; the
        // bound only keeps a foreign key from looping for ever.
        for (int volta = 0; volta < 8; ++volta) {
            s ^= b;
            if (s < 31)
                s += 128;
            else if (s > 127 && s < 159)
                s -= 128;
            else
                break;
        }
        resultado.append(caractere(s));
    }
    return resultado;
}

}  // namespace Projetos
