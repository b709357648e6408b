#pragma once
#include <memory>

#include "support/FakeClock.h"
#include "support/FakeDesktop.h"
#include "support/FakeFiles.h"
#include "support/FakeJournal.h"
#include "support/FakeLauncher.h"
#include "support/FakeNetwork.h"
#include "support/FakeSessionServices.h"
#include "support/FakeSound.h"
#include "support/MemoryRegistry.h"
#include "platform/Platform.h"

// A Platform made entirely of fakes, with typed access to each of them. The fakes share one
// journal, so the order of actions across seams can be checked:
//
//   FakePlatform fake;
//   AlarmActions actions(fake.platform());
//   ...
//   EXPECT_EQ(fake.journal(), (QStringList{u"playWave a.wav 3"_s, u"powerOff"_s}));
//
// The codec is the real LocaleTextCodec for UTF-8.
class FakePlatform
{
public:
    FakePlatform();

    Platform& platform() { return *m_platform; }
    // Hands the Platform over (for code that wants to own it). The typed accessors stay valid
    // as long as the returned Platform lives; platform() must not be used afterwards.
    std::unique_ptr<Platform> take() { return std::move(m_platform); }

    FakeClock& clock() { return *m_clock; }
    FakeLauncher& launcher() { return *m_launcher; }
    FakeSound& sound() { return *m_sound; }
    FakeSessionServices& session() { return *m_session; }
    FakeDesktop& desktop() { return *m_desktop; }
    MemoryRegistry& registry() { return *m_registry; }
    MemoryProfile& profile() { return *m_profile; }
    FakeFiles& files() { return *m_files; }
    FakeNetwork& network() { return *m_network; }

    const QStringList& journal() const { return m_journal->entries(); }
    void clearJournal() { m_journal->clear(); }

private:
    FakeJournalPtr m_journal;
    std::unique_ptr<Platform> m_platform;
    FakeClock* m_clock;
    FakeLauncher* m_launcher;
    FakeSound* m_sound;
    FakeSessionServices* m_session;
    FakeDesktop* m_desktop;
    MemoryRegistry* m_registry;
    MemoryProfile* m_profile;
    FakeFiles* m_files;
    FakeNetwork* m_network;
};

// A Platform of fakes for code that only needs one to exist. Reach the fakes with the typed
// accessors below (they fail the test's assumptions loudly if the seam is not a fake).
std::unique_ptr<Platform> makeFakePlatform();

FakeClock& fakeClock(Platform& platform);
FakeLauncher& fakeLauncher(Platform& platform);
FakeSound& fakeSound(Platform& platform);
FakeSessionServices& fakeSession(Platform& platform);
FakeDesktop& fakeDesktop(Platform& platform);
MemoryRegistry& memoryRegistry(Platform& platform);
MemoryProfile& memoryProfile(Platform& platform);
FakeFiles& fakeFiles(Platform& platform);
FakeNetwork& fakeNetwork(Platform& platform);
