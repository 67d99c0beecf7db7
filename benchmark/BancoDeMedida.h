#pragma once
// A fresh copy of the pristine database in a temporary folder, in use by the
// program's recordsets while the object lives.
#include "common/Banco.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

class BancoDeMedida {
public:
    explicit BancoDeMedida(const char* medida)
    {
        const QString caminho = m_pasta.filePath(QStringLiteral("mdbTessaura.mdb"));
        m_pronto = QFile::copy(QStringLiteral(TESSAURA_DB_MODELO), caminho);
        if (!m_pronto) {
            std::printf("%s: the database template is missing\n", medida);
            return;
        }
        QFile::setPermissions(caminho, QFile::ReadOwner | QFile::WriteOwner);
        Banco::DefinirCaminhoParaTestes(caminho);
    }
    ~BancoDeMedida() { Banco::DefinirCaminhoParaTestes(QString()); }
    bool Pronto() const { return m_pronto; }

private:
    QTemporaryDir m_pasta;
    bool m_pronto = false;
};
