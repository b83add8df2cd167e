#include "gengine/SDLSoundAgent.h"

#include "gengine/DummySoundAgent.h"
#include "gengine/MessagerAgent.h"
#include "gengine/Path.h"
#include "gengine/ResSoundPack.h"
#include "gengine/SimpleMsg.h"
#include "gengine/StringMsg.h"
#include "gengine/UnknownMsgException.h"

#include "TestSupport.h"

#include <cstdlib>
#include <memory>
#include <thread>
#include <vector>

namespace {

using testsupport::EngineCore;
using testsupport::captureLog;
using testsupport::contains;

class Recorder : public BaseListener {
    public:
        std::vector<std::string> got;
        virtual const char *getName() const { return "probe"; }
        virtual void receiveSimple(const SimpleMsg *msg) { got.push_back(msg->getName()); }
};

/** A mono 16-bit WAV file of silence, samples long. */
std::string silentWav(int samples)
{
    auto le = [](std::string &out, Uint32 value, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
        }
    };
    const Uint32 data = static_cast<Uint32>(samples) * 2;
    std::string wav = "RIFF";
    le(wav, 36 + data, 4);
    wav += "WAVEfmt ";
    le(wav, 16, 4);
    le(wav, 1, 2);
    le(wav, 1, 2);
    le(wav, 22050, 4);
    le(wav, 44100, 4);
    le(wav, 2, 2);
    le(wav, 16, 2);
    wav += "data";
    le(wav, data, 4);
    wav.append(data, '\0');
    return wav;
}

class SDLSoundAgentTest : public testing::Test {
    protected:
        std::unique_ptr<EngineCore> core;
        SDLSoundAgent *sound = nullptr;
        Recorder probe;
        std::vector<Uint8> samples = std::vector<Uint8>(8192, 0);
        Mix_Chunk *chunk = nullptr;

        void SetUp() override
        {
            // No test may open a real sound card.
            setenv("SDL_AUDIODRIVER", "dummy", 0);
            core.reset(new EngineCore());
            core->dir.write("system/music/long.wav", silentWav(22050 * 20));
            core->dir.write("system/music/other.wav", silentWav(22050 * 20));
            core->pack().addAgent(new SDLSoundAgent());
            core->pack().init();
            sound = dynamic_cast<SDLSoundAgent *>(SoundAgent::instance());
            ASSERT_NE(nullptr, sound);
            MessagerAgent::instance()->addListener(&probe);
            chunk = Mix_QuickLoad_RAW(samples.data(), static_cast<Uint32>(samples.size()));
            ASSERT_NE(nullptr, chunk);
        }
        void TearDown() override
        {
            if (sound) {
                sound->stopMusic();
                Mix_HaltChannel(-1);
            }
            Mix_FreeChunk(chunk);
            core.reset();
        }
        Path music(const std::string &name) { return Path::dataReadPath("music/" + name); }
        static void setParam(const std::string &name, const std::string &value)
        {
            EngineCore::options()->setParam(name, value);
        }
};

TEST_F(SDLSoundAgentTest, DefaultsGiveTheVolumesAndEverySoundIsScaledByTheSoundVolume)
{
    EXPECT_EQ("90", EngineCore::options()->getParam("volume_sound"));
    EXPECT_EQ("50", EngineCore::options()->getParam("volume_music"));
    EXPECT_EQ(115, sound->getSoundVolume());
    EXPECT_EQ(64, Mix_VolumeMusic(-1));

    const int channel = sound->playSound(chunk, 50, -1);
    ASSERT_GE(channel, 0);
    EXPECT_EQ(57, Mix_Volume(channel, -1));
}

TEST_F(SDLSoundAgentTest, SoundVolumeParameterIsTruncatedAndClamped)
{
    struct Case { const char *percent; int volume; int channelAt100; };
    const Case cases[] = {
        {"90", 115, 115}, {"150", 128, 128}, {"-10", 0, 0}, {"0", 0, 0},
        {"2147483647", 128, 128}, {"loud", 0, 0}, {"1", 1, 1},
    };
    for (const Case &c : cases) {
        setParam("volume_sound", c.percent);
        EXPECT_EQ(c.volume, sound->getSoundVolume()) << c.percent;
        const int channel = sound->playSound(chunk, 100, 0);
        ASSERT_GE(channel, 0);
        EXPECT_EQ(c.channelAt100, Mix_Volume(channel, -1)) << c.percent;
        Mix_HaltChannel(channel);
    }
    setParam("volume_sound", "100");
    const int loud = sound->playSound(chunk, 1000000, 0);
    EXPECT_EQ(128, Mix_Volume(loud, -1));
    const int negative = sound->playSound(chunk, -50, 0);
    EXPECT_EQ(0, Mix_Volume(negative, -1));
}

TEST_F(SDLSoundAgentTest, MusicVolumeFollowsItsParameterAtOnce)
{
    sound->playMusic(music("long.wav"), NULL);
    ASSERT_TRUE(Mix_PlayingMusic());
    struct Case { const char *percent; int volume; };
    const Case cases[] = {{"50", 64}, {"100", 128}, {"300", 128}, {"10", 12}, {"-5", 12}, {"0", 0}};
    for (const Case &c : cases) {
        setParam("volume_music", c.percent);
        EXPECT_EQ(c.volume, Mix_VolumeMusic(-1)) << c.percent;
    }
}

TEST_F(SDLSoundAgentTest, NullSoundPlaysNothingAndLogsNothing)
{
    int channel = 0;
    const std::string log = captureLog([&] { channel = sound->playSound(NULL, 100, 0); });
    EXPECT_EQ(-1, channel);
    EXPECT_EQ("", log);
}

TEST_F(SDLSoundAgentTest, SameMusicWithoutMessageKeepsPlayingButAPendingMessageRestartsIt)
{
    // A paused music shows whether it was started again: a new start plays.
    sound->playMusic(music("long.wav"), NULL);
    Mix_PauseMusic();
    sound->playMusic(music("long.wav"), NULL);
    EXPECT_TRUE(Mix_PausedMusic());

    sound->playMusic(music("other.wav"), NULL);
    EXPECT_FALSE(Mix_PausedMusic());

    sound->playMusic(music("long.wav"), new SimpleMsg("probe", "music_done"));
    Mix_PauseMusic();
    sound->playMusic(music("long.wav"), NULL);
    EXPECT_FALSE(Mix_PausedMusic());
    EXPECT_TRUE(Mix_PlayingMusic());
}

TEST_F(SDLSoundAgentTest, FinishedMusicIsAnnouncedOnTheMainThreadOncePerPlay)
{
    sound->playMusic(music("long.wav"), new SimpleMsg("probe", "music_done"));
    std::thread audio(SDLSoundAgent::musicFinished);
    audio.join();
    EXPECT_TRUE(probe.got.empty()) << "the audio thread delivered the message itself";

    core->pack().update();
    EXPECT_EQ(std::vector<std::string>{"music_done"}, probe.got);
    core->pack().update();
    EXPECT_EQ(1u, probe.got.size());

    // The message stays pending: a second play through announces again.
    std::thread(SDLSoundAgent::musicFinished).join();
    core->pack().update();
    EXPECT_EQ(2u, probe.got.size());
}

TEST_F(SDLSoundAgentTest, StoppedMusicIsNeverAnnounced)
{
    sound->playMusic(music("long.wav"), new SimpleMsg("probe", "music_done"));
    sound->stopMusic();
    EXPECT_FALSE(Mix_PlayingMusic());
    core->pack().update();

    // A finish counted just before the stop belongs to the old music.
    sound->playMusic(music("long.wav"), new SimpleMsg("probe", "music_done"));
    std::thread(SDLSoundAgent::musicFinished).join();
    sound->playMusic(music("other.wav"), new SimpleMsg("probe", "other_done"));
    core->pack().update();
    EXPECT_TRUE(probe.got.empty());
}

TEST_F(SDLSoundAgentTest, FinishWithoutMessageOnlyWarns)
{
    sound->playMusic(music("long.wav"), NULL);
    std::thread(SDLSoundAgent::musicFinished).join();
    const std::string log = captureLog([&] { core->pack().update(); });
    EXPECT_TRUE(contains(log, "WARNING NULL == ms_finished")) << log;
    EXPECT_TRUE(probe.got.empty());
}

TEST_F(SDLSoundAgentTest, MissingMusicWarnsAndIsNotRetriedWithoutMessage)
{
    std::string log = captureLog([&] { sound->playMusic(music("absent.ogg"), NULL); });
    EXPECT_TRUE(contains(log, "WARNING cannot play music; music='" + music("absent.ogg").getNative())) << log;
    log = captureLog([&] { sound->playMusic(music("absent.ogg"), NULL); });
    EXPECT_EQ("", log);
    EXPECT_FALSE(Mix_PlayingMusic());
}

TEST_F(SDLSoundAgentTest, OnlyParameterChangesAreAccepted)
{
    EXPECT_THROW(SimpleMsg("40sound", "volume").send(), UnknownMsgException);
    EXPECT_THROW(StringMsg("40sound", "dostring", "volume_sound").send(), UnknownMsgException);
    EXPECT_NO_THROW(StringMsg("40sound", "param_changed", "lang").send());
}

TEST(SoundPack, FailedSoundKeepsItsNameAndSoundOffLoadsNothing)
{
    EngineCore core;
    core.dir.write("system/sound/bad.wav", "not a sound");
    ResSoundPack pack;
    const std::string log = captureLog([&] { pack.addSound("bump", Path::dataReadPath("sound/bad.wav")); });
    EXPECT_TRUE(contains(log, "src/gengine/ResSoundPack:")) << log;
    EXPECT_TRUE(contains(log, "WARNING cannot load sound; path='"
                + core.dir.file("system/sound/bad.wav") + "'; MixError=")) << log;
    EXPECT_EQ(1, pack.countRes("bump"));
    EXPECT_EQ(nullptr, pack.getRes("bump"));

    EngineCore::options()->setParam("sound", "0");
    const std::string silent = captureLog([&] {
        EXPECT_EQ(nullptr, ResSoundPack::loadSound(Path::dataReadPath("sound/missing.wav")));
    });
    EXPECT_EQ("", silent);
    pack.removeAll();
}

TEST(DummySound, PlaysNothingButSetsTheVolumeDefaults)
{
    EngineCore core;
    core.pack().addAgent(new DummySoundAgent());
    core.pack().init();
    SoundAgent *sound = SoundAgent::instance();
    EXPECT_EQ("90", EngineCore::options()->getParam("volume_sound"));
    EXPECT_EQ("50", EngineCore::options()->getParam("volume_music"));
    EXPECT_EQ(-1, sound->playSound(NULL, 100, 0));
    // The message is freed (the leak check sees it) and never sent.
    sound->playMusic(Path::dataReadPath("music/menu.ogg"), new SimpleMsg("App", "done"));
    sound->stopMusic();
}

}
