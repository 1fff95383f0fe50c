// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ParentLanguage.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace {

QTranslator &translator()
{
    static QTranslator loaded;
    return loaded;
}

} // namespace

void ParentLanguage::load()
{
    // The parent's first language decides; every Chinese one reads the Simplified translation
    // rather than English.
    const QStringList languages = QLocale::system().uiLanguages();
    if (!languages.isEmpty() && languages.first().startsWith(QLatin1String("zh")))
        static_cast<void>(translator().load(QStringLiteral(":/i18n/hanzi-kitten_zh_CN.qm")));
}

void ParentLanguage::install()
{
    if (!translator().isEmpty())
        QCoreApplication::installTranslator(&translator());
}

QString ParentLanguage::translate(const char *context, const char *source)
{
    const QString translated = translator().translate(context, source);
    return translated.isEmpty() ? QString::fromUtf8(source) : translated;
}
