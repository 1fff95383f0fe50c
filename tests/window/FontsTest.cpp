#include "Fonts.h"

#include <gtest/gtest.h>

#include <QByteArray>

namespace {

// This program runs once with the machine's fonts and once with none at all.
TEST(Fonts, aMachineWithoutAChineseFontIsToldWhichPackagesToInstall)
{
    const QString warning = Fonts::missingFontsWarning();
    if (qEnvironmentVariableIsSet("FONTCONFIG_FILE")) {
        EXPECT_TRUE(warning.contains("fonts-noto-cjk")) << warning.toStdString();
        EXPECT_TRUE(warning.contains("fonts-arphic-ukai"));
    } else {
        EXPECT_TRUE(warning.isEmpty()) << warning.toStdString();
    }
}

} // namespace
