#include "core/AppState.h"
#include "db/MBaza.h"
#include "print/IzvozUrnikov.h"
#include "support/SampleProject.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace zentrel;
using namespace zentrel::print;

namespace {

// Width and height from a PNG file's header; zeros when it is not a PNG.
std::pair<quint32, quint32> PngSize(const QByteArray &png) {
    if (!png.startsWith("\x89PNG\r\n\x1a\n") || png.size() < 24)
        return {0, 0};
    return {qFromBigEndian<quint32>(png.constData() + 16), qFromBigEndian<quint32>(png.constData() + 20)};
}

// A screenshot of a page by headless Chromium; an empty text, or why the browser could not run.
QString Screenshot(const QString &url, const QString &png, int width, int height) {
    const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
    if (chromium.isEmpty())
        return QStringLiteral("chromium ni nameščen");
    QTemporaryDir profile;
    QProcess p;
    p.start(chromium,
            {QStringLiteral("--headless"), QStringLiteral("--no-sandbox"), QStringLiteral("--disable-gpu"),
             QStringLiteral("--disable-quic"), QStringLiteral("--no-first-run"),
             QStringLiteral("--disable-background-networking"), QStringLiteral("--disable-component-update"),
             QStringLiteral("--disable-sync"), QStringLiteral("--user-data-dir=") + profile.path(),
             QStringLiteral("--hide-scrollbars"), QStringLiteral("--window-size=%1,%2").arg(width).arg(height),
             QStringLiteral("--screenshot=") + png, url});
    if (!p.waitForFinished(90000)) {
        p.kill();
        p.waitForFinished();
        return QStringLiteral("chromium se ni končal v 90 sekundah");
    }
    if (p.exitStatus() != QProcess::NormalExit || !QFileInfo::exists(png))
        return QStringLiteral("chromium se ne zažene: ") + QString::fromLocal8Bit(p.readAllStandardError().right(300));
    return {};
}

} // namespace

// Needs headless Chromium: skipped, with the reason, where the browser cannot start.
TEST(Browser, SiteIndexAndAClassPageRenderAsPages) {
    test::SampleProject sample;
    core::App().trenutniUrnik = 1;
    UrnikiObjektov urniki(db::ProjectDb(), 1);
    IzborUrnikov izbor;
    izbor.objekti = urniki.Objekti(VrstaObjekta::Enote);
    const QString site = sample.file(QStringLiteral("splet"));
    ASSERT_TRUE(IzvoziUrnike(urniki, izbor, OblikaIzvoza::Html, site + QStringLiteral("/index.html")));

    const QString index = sample.file(QStringLiteral("kazalo.png"));
    const QString error =
        Screenshot(QStringLiteral("file://") + site + QStringLiteral("/index.html"), index, 1100, 760);
    if (!error.isEmpty())
        GTEST_SKIP() << "Preizkus potrebuje brskalnik Chromium: " << error.toStdString();
    const QByteArray indexPng = test::ReadFile(index);
    EXPECT_EQ(PngSize(indexPng), std::make_pair(quint32(1100), quint32(760)));
    // A page with the list, the logo and a week draws far more than a blank screen.
    EXPECT_GT(indexPng.size(), 20000);

    const QString page = sample.file(QStringLiteral("8a.png"));
    ASSERT_EQ(Screenshot(QStringLiteral("file://") + site + QStringLiteral("/Enote_8.a.html"), page, 390, 844),
              QString());
    const QByteArray pagePng = test::ReadFile(page);
    EXPECT_EQ(PngSize(pagePng), std::make_pair(quint32(390), quint32(844)));
    EXPECT_GT(pagePng.size(), 20000);
}
