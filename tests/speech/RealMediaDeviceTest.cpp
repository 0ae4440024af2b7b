#include "hosts/real/RealMediaDevice.h"
#include "hosts/real/WaveFile.h"

#include "SpeechWait.h"
#include "core/Failure.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

namespace {

class RealMediaDeviceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_clip = m_dir.filePath(QStringLiteral("clip.wav"));
        // 200 ms of quiet tone.
        QVector<qint16> pcm(4410);
        for (int i = 0; i < pcm.size(); ++i)
            pcm[i] = qint16((i % 50 - 25) * 40);
        ASSERT_TRUE(WaveFile::writeMono16(m_clip, pcm, 22050));
    }
    QTemporaryDir m_dir;
    QString m_clip;
};

TEST_F(RealMediaDeviceTest, TheClipLengthComesFromTheHeader)
{
    EXPECT_EQ(WaveFile::lengthMsecs(m_clip), 200);
    EXPECT_EQ(WaveFile::lengthMsecs(m_dir.filePath(QStringLiteral("none.wav"))), -1);
    EXPECT_GT(WaveFile::lengthMsecs(QStringLiteral(QUOREL_TEST_PROGRAM_DIR "/Sound/open1.wav")), 2000);
}

TEST_F(RealMediaDeviceTest, RenderingsAreBroughtToOnePeak)
{
    ASSERT_TRUE(WaveFile::normaliseFile(m_clip, 0.5));
    QFile f(m_clip);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    int loudest = 0;
    for (qsizetype i = 44; i + 1 < bytes.size(); i += 2)
        loudest = std::max(loudest, std::abs(int(qFromLittleEndian<qint16>(bytes.constData() + i))));
    EXPECT_NEAR(loudest, 16384, 2);
    EXPECT_EQ(WaveFile::lengthMsecs(m_clip), 200);

    QFile text(m_dir.filePath(QStringLiteral("not.wav")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("RIFF but not a wave");
    text.close();
    EXPECT_FALSE(WaveFile::normaliseFile(text.fileName(), 0.5));
    EXPECT_FALSE(WaveFile::normaliseFile(m_dir.filePath(QStringLiteral("none.wav")), 0.5));
}

TEST_F(RealMediaDeviceTest, FailuresOfOpenAndStop)
{
    RealMediaDevice d(RealMediaDevice::Output::Silent);
    EXPECT_THROW(d.stop(), Failure);
    EXPECT_THROW(d.play(), Failure);
    EXPECT_THROW(d.open(m_dir.filePath(QStringLiteral("none.wav"))), Failure);
    EXPECT_FALSE(d.isOpen());
    d.close();  // nothing open: nothing happens
    d.open(m_clip);
    EXPECT_TRUE(d.isOpen());
    EXPECT_NO_THROW(d.stop());
}

// Silent (no sound card): the end comes after the clip's length, never inside
// the call that started the play.
TEST_F(RealMediaDeviceTest, SilentPlayEndsAfterTheClipsLength)
{
    RealMediaDevice d(RealMediaDevice::Output::Silent);
    EXPECT_FALSE(d.audible());
    int ends = 0;
    d.onEnded = [&] { ++ends; };
    d.open(m_clip);
    QElapsedTimer clock;
    clock.start();
    d.play();
    EXPECT_EQ(ends, 0);
    ASSERT_TRUE(waitFor([&] { return ends > 0; }, 3000));
    EXPECT_GE(clock.elapsed(), 195);
    EXPECT_LT(clock.elapsed(), 1000);
    waitFor([] { return false; }, 300);
    EXPECT_EQ(ends, 1);
}

TEST_F(RealMediaDeviceTest, ClosingOnePlayerSilencesOnlyIt)
{
    RealMediaDevice a(RealMediaDevice::Output::Silent), b(RealMediaDevice::Output::Silent),
        c(RealMediaDevice::Output::Silent);
    int endsA = 0, endsB = 0, endsC = 0;
    a.onEnded = [&] { ++endsA; };
    b.onEnded = [&] { ++endsB; };
    c.onEnded = [&] { ++endsC; };
    for (RealMediaDevice* d : {&a, &b, &c}) {
        d->open(m_clip);
        d->play();
    }
    b.close();
    c.stop();
    EXPECT_FALSE(b.isOpen());
    EXPECT_TRUE(c.isOpen());
    ASSERT_TRUE(waitFor([&] { return endsA > 0; }, 3000));
    waitFor([] { return false; }, 300);
    EXPECT_EQ(endsA, 1);
    EXPECT_EQ(endsB, 0);
    EXPECT_EQ(endsC, 0);
}

// A second play restarts: only the new play's end is reported.
TEST_F(RealMediaDeviceTest, ReplayReportsOneEnd)
{
    RealMediaDevice d(RealMediaDevice::Output::Silent);
    int ends = 0;
    d.onEnded = [&] { ++ends; };
    d.open(m_clip);
    d.play();
    waitFor([] { return false; }, 80);
    d.play();
    ASSERT_TRUE(waitFor([&] { return ends > 0; }, 3000));
    waitFor([] { return false; }, 300);
    EXPECT_EQ(ends, 1);
}

// Whatever output the machine has, every player reports its end.
TEST_F(RealMediaDeviceTest, AutomaticOutputPlayersAllEnd)
{
    std::vector<std::unique_ptr<RealMediaDevice>> players;
    int ends = 0;
    for (int i = 0; i < 4; ++i) {
        players.push_back(std::make_unique<RealMediaDevice>());
        players.back()->onEnded = [&] { ++ends; };
        players.back()->open(m_clip);
        players.back()->play();
    }
    EXPECT_TRUE(waitFor([&] { return ends == 4; }, 10000)) << ends;
}

}  // namespace
