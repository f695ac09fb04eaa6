// SPDX-License-Identifier: MIT
// The logo as a link to the maker's website: opening the page, and the
// message that gives the address when the page cannot be opened.
#include "applicationInfo.h"
#include "frmPressureCalc.h"
#include "messageBoxWatcher.h"
#include "websiteLink.h"
#include "windowDriver.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace WindowDriver;

namespace {

const QString address = QStringLiteral("https://www.corvane.com/");
const QString fallbackText = QStringLiteral("Please visit our website! https://www.corvane.com/");

// Stands in for the browser: records each page asked for and answers as told.
class FakeOpener
{
public:
    enum class Answer { Opened, FailsAtOnce, Later };

    explicit FakeOpener(Answer answer) : m_answer(answer) {}

    WebsiteLink::Opener opener()
    {
        return [this](const QUrl &page, WebsiteLink::OpenedCallback opened) {
            pages.append(page.toString());
            switch (m_answer) {
            case Answer::Opened: opened(true); break;
            case Answer::FailsAtOnce: opened(false); break;
            case Answer::Later: pending.append(std::move(opened)); break;
            }
        };
    }

    QStringList pages;
    QList<WebsiteLink::OpenedCallback> pending;

private:
    Answer m_answer;
};

void verifyFallbackBox(const MessageBoxWatcher::Seen &box)
{
    QCOMPARE(box.text, fallbackText);
    QCOMPARE(box.title, QStringLiteral("About"));
    QCOMPARE(box.icon, QMessageBox::Information);
    QCOMPARE(box.buttonCount, 1);
}

// A directory holding a stand-in for xdg-open, put first on PATH while the
// object lives. The stand-in writes its arguments, one a line, to a file.
class StubXdgOpen
{
public:
    // exitCode < 0: the directory holds no xdg-open, and is all of PATH.
    // A gate makes the stand-in wait until gateFile() exists.
    explicit StubXdgOpen(int exitCode, bool gated = false) : m_oldPath(qgetenv("PATH"))
    {
        if (exitCode >= 0) {
            QFile script(m_dir.filePath(QStringLiteral("xdg-open")));
            if (script.open(QIODevice::WriteOnly)) {
                QString body = QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1'\n").arg(recordFile());
                if (gated)
                    // Gives up after about ten seconds, so that no test leaves it behind.
                    body += QStringLiteral("n=0\nwhile [ ! -e '%1' ] && [ $n -lt 200 ]; do sleep 0.05; "
                                           "n=$((n+1)); done\n")
                                .arg(gateFile());
                body += QStringLiteral("exit %1\n").arg(exitCode);
                script.write(body.toUtf8());
                script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            }
            qputenv("PATH", QFile::encodeName(m_dir.path()) + ':' + m_oldPath);
        } else {
            qputenv("PATH", QFile::encodeName(m_dir.path()));
        }
    }
    ~StubXdgOpen() { qputenv("PATH", m_oldPath); }

    bool isValid() const { return m_dir.isValid(); }
    QString recordFile() const { return m_dir.filePath(QStringLiteral("arguments.txt")); }
    QString gateFile() const { return m_dir.filePath(QStringLiteral("gate")); }

    // The arguments the stand-in was given, or nothing if it has not run.
    QStringList recordedArguments() const
    {
        QFile file(recordFile());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

private:
    QTemporaryDir m_dir;
    QByteArray m_oldPath;
};

} // namespace

Q_DECLARE_METATYPE(FakeOpener::Answer)

class tst_WebsiteLink : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ApplicationInfo::apply(); }
    void init() { QLocale::setDefault(QLocale::c()); }

    void logoShowsTheAddressAndAPointingHand();
    void clickAsksForTheHomePage_data();
    void clickAsksForTheHomePage();
    void eachClickOpensTheSiteAnew();
    void failureChangesNothingElse();
    void lateAnswerAfterTheWindowClosedShowsNothing();
    void systemOpener_data();
    void systemOpener();
    void windowUsesTheSystemOpenerAndKeepsWorkingWhileItRuns();
};

void tst_WebsiteLink::logoShowsTheAddressAndAPointingHand()
{
    frmPressureCalc window;
    QWidget *logo = control(window, QStringLiteral("Picture1"));
    QCOMPARE(logo->toolTip(), address);
    QCOMPARE(logo->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(WebsiteLink::address, address);
}

void tst_WebsiteLink::clickAsksForTheHomePage_data()
{
    QTest::addColumn<FakeOpener::Answer>("answer");
    QTest::addColumn<bool>("lateAnswer");
    QTest::addColumn<bool>("fallbackShown");
    QTest::newRow("page opened") << FakeOpener::Answer::Opened << false << false;
    QTest::newRow("opener fails at once") << FakeOpener::Answer::FailsAtOnce << false << true;
    QTest::newRow("opener succeeds later") << FakeOpener::Answer::Later << true << false;
    QTest::newRow("opener fails later") << FakeOpener::Answer::Later << false << true;
}

void tst_WebsiteLink::clickAsksForTheHomePage()
{
    QFETCH(FakeOpener::Answer, answer);
    QFETCH(bool, lateAnswer);
    QFETCH(bool, fallbackShown);

    frmPressureCalc window;
    FakeOpener fake(answer);
    window.setWebsiteOpener(fake.opener());
    QVERIFY(showAndActivate(window));
    MessageBoxWatcher boxes;

    click(window, QStringLiteral("Picture1"));
    QCOMPARE(fake.pages, QStringList{address});

    if (answer == FakeOpener::Answer::Later) {
        // Nothing is shown while the opener is still at work.
        QCoreApplication::processEvents();
        QCOMPARE(boxes.seen().size(), 0);
        QCOMPARE(fake.pending.size(), 1);
        fake.pending.takeFirst()(lateAnswer);
    }

    if (fallbackShown) {
        QTRY_COMPARE(boxes.seen().size(), 1);
        verifyFallbackBox(boxes.seen().first());
    } else {
        QCoreApplication::processEvents();
        QCOMPARE(boxes.seen().size(), 0);
    }
    QCOMPARE(fake.pages.size(), 1);
}

void tst_WebsiteLink::eachClickOpensTheSiteAnew()
{
    frmPressureCalc window;
    FakeOpener fake(FakeOpener::Answer::Opened);
    window.setWebsiteOpener(fake.opener());
    QVERIFY(showAndActivate(window));

    click(window, QStringLiteral("Picture1"));
    click(window, QStringLiteral("Picture1"));
    QCOMPARE(fake.pages, (QStringList{address, address}));
}

void tst_WebsiteLink::failureChangesNothingElse()
{
    frmPressureCalc window;
    FakeOpener fake(FakeOpener::Answer::FailsAtOnce);
    window.setWebsiteOpener(fake.opener());
    QVERIFY(showAndActivate(window));
    MessageBoxWatcher boxes;

    click(window, QStringLiteral("Option1(1)"));
    selectPanel(window, 2);
    typeInto(window, QStringLiteral("txtStrokeLength"), QStringLiteral("250"));
    typeInto(window, QStringLiteral("txtRoomTemp"), QStringLiteral("-5"));
    click(window, QStringLiteral("optCVType(1)"));
    const WindowState before = stateOf(window);

    click(window, QStringLiteral("Picture1"));
    QTRY_COMPARE(boxes.seen().size(), 1);
    verifyFallbackBox(boxes.seen().first());
    QVERIFY(stateOf(window) == before);
    QCOMPARE(window.currentCalculator(), qint16(2));
    QCOMPARE(window.unitSystem(), qint16(1));
}

void tst_WebsiteLink::lateAnswerAfterTheWindowClosedShowsNothing()
{
    FakeOpener fake(FakeOpener::Answer::Later);
    MessageBoxWatcher boxes;
    {
        frmPressureCalc window;
        window.setWebsiteOpener(fake.opener());
        QVERIFY(showAndActivate(window));
        click(window, QStringLiteral("Picture1"));
    }
    QCOMPARE(fake.pending.size(), 1);
    fake.pending.takeFirst()(false);
    QCoreApplication::processEvents();
    QCOMPARE(boxes.seen().size(), 0);
}

void tst_WebsiteLink::systemOpener_data()
{
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<bool>("opened");
    QTest::newRow("xdg-open exits 0") << 0 << true;
    QTest::newRow("xdg-open exits 1, no browser") << 1 << false;
    QTest::newRow("xdg-open exits 3, tool missing") << 3 << false;
    QTest::newRow("no xdg-open on PATH") << -1 << false;
}

// The desktop opener as the window uses it, with a stand-in for xdg-open.
// The answer is watched on its way to the window, so that a success can be
// told from an answer that has not come yet, and an answer given from
// within the opener's own call (the window's fallback box would then run
// while QProcess is still emitting) from one given afterwards.
void tst_WebsiteLink::systemOpener()
{
#if !defined(Q_OS_UNIX) || defined(Q_OS_DARWIN)
    QSKIP("xdg-open is the opener on freedesktop systems only");
#endif
    QFETCH(int, exitCode);
    QFETCH(bool, opened);
    StubXdgOpen stub(exitCode);
    QVERIFY(stub.isValid());

    frmPressureCalc window;
    auto answers = std::make_shared<QList<bool>>();
    // An answer given while the opener is still being asked comes from
    // inside QProcess (a failure to start is reported within start()).
    auto asking = std::make_shared<bool>(false);
    auto answeredWhileAsked = std::make_shared<bool>(false);
    window.setWebsiteOpener([answers, asking, answeredWhileAsked, real = WebsiteLink::systemOpener()](
                                const QUrl &page, WebsiteLink::OpenedCallback done) {
        *asking = true;
        real(page, [answers, asking, answeredWhileAsked, done](bool success) {
            answers->append(success);
            *answeredWhileAsked = *answeredWhileAsked || *asking;
            done(success);
        });
        *asking = false;
    });
    QVERIFY(showAndActivate(window));
    MessageBoxWatcher boxes;

    click(window, QStringLiteral("Picture1"));
    QTRY_COMPARE(answers->size(), 1);
    QCOMPARE(answers->first(), opened);
    QVERIFY2(!*answeredWhileAsked, "the answer came before the opener had returned");
    if (exitCode >= 0)
        QCOMPARE(stub.recordedArguments(), QStringList{address});

    if (opened) {
        QCoreApplication::processEvents();
        QCOMPARE(boxes.seen().size(), 0);
    } else {
        QTRY_COMPARE(boxes.seen().size(), 1);
        verifyFallbackBox(boxes.seen().first());
    }
    QCOMPARE(answers->size(), 1);
}

// xdg-open can take long to find a browser; the window must not wait for it.
void tst_WebsiteLink::windowUsesTheSystemOpenerAndKeepsWorkingWhileItRuns()
{
#if !defined(Q_OS_UNIX) || defined(Q_OS_DARWIN)
    QSKIP("xdg-open is the opener on freedesktop systems only");
#endif
    StubXdgOpen stub(1, true);
    QVERIFY(stub.isValid());
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    MessageBoxWatcher boxes;

    click(window, QStringLiteral("Picture1"));
    QTRY_COMPARE(stub.recordedArguments(), QStringList{address});
    // The stand-in is still waiting; the window takes input meanwhile.
    selectPanel(window, 1);
    QCOMPARE(window.currentCalculator(), qint16(1));
    typeInto(window, QStringLiteral("txtRodDiameter"), QStringLiteral("12"));
    QCOMPARE(text(window, QStringLiteral("txtRodDiameter")), QStringLiteral("12"));
    QCOMPARE(boxes.seen().size(), 0);

    QFile gate(stub.gateFile());
    QVERIFY(gate.open(QIODevice::WriteOnly));
    gate.close();
    QTRY_COMPARE_WITH_TIMEOUT(boxes.seen().size(), 1, 15000);
    verifyFallbackBox(boxes.seen().first());
}

QTEST_MAIN(tst_WebsiteLink)
#include "tst_websiteLink.moc"
