#include "support/FakePlatform.h"

#include <cstdio>
#include <cstdlib>

namespace {

template<class Fake, class Seam>
Fake& fakeOf(const std::unique_ptr<Seam>& seam, const char* what)
{
    auto* fake = dynamic_cast<Fake*>(seam.get());
    if (!fake) {
        std::fprintf(stderr, "makeFakePlatform: the %s seam is not a fake\n", what);
        std::abort();
    }
    return *fake;
}

} // namespace

FakePlatform::FakePlatform() : m_journal(std::make_shared<FakeJournal>()), m_platform(std::make_unique<Platform>())
{
    auto clock = std::make_unique<FakeClock>(1577836800, m_journal);
    auto launcher = std::make_unique<FakeLauncher>(m_journal);
    auto sound = std::make_unique<FakeSound>(m_journal);
    auto session = std::make_unique<FakeSessionServices>(m_journal);
    auto desktop = std::make_unique<FakeDesktop>(m_journal);
    auto registry = std::make_unique<MemoryRegistry>();
    auto profile = std::make_unique<MemoryProfile>();
    auto files = std::make_unique<FakeFiles>();
    auto network = std::make_unique<FakeNetwork>();
    m_clock = clock.get();
    m_launcher = launcher.get();
    m_sound = sound.get();
    m_session = session.get();
    m_desktop = desktop.get();
    m_registry = registry.get();
    m_profile = profile.get();
    m_files = files.get();
    m_network = network.get();
    m_platform->clock = std::move(clock);
    m_platform->launcher = std::move(launcher);
    m_platform->sound = std::move(sound);
    m_platform->session = std::move(session);
    m_platform->desktop = std::move(desktop);
    m_platform->registry = std::move(registry);
    m_platform->profile = std::move(profile);
    m_platform->files = std::move(files);
    m_platform->codec = std::make_unique<LocaleTextCodec>(QByteArrayLiteral("UTF-8"));
    m_platform->network = std::move(network);
}

std::unique_ptr<Platform> makeFakePlatform()
{
    FakePlatform fake;
    return fake.take();
}

FakeClock& fakeClock(Platform& p) { return fakeOf<FakeClock>(p.clock, "clock"); }
FakeLauncher& fakeLauncher(Platform& p) { return fakeOf<FakeLauncher>(p.launcher, "launcher"); }
FakeSound& fakeSound(Platform& p) { return fakeOf<FakeSound>(p.sound, "sound"); }
FakeSessionServices& fakeSession(Platform& p) { return fakeOf<FakeSessionServices>(p.session, "session"); }
FakeDesktop& fakeDesktop(Platform& p) { return fakeOf<FakeDesktop>(p.desktop, "desktop"); }
MemoryRegistry& memoryRegistry(Platform& p) { return fakeOf<MemoryRegistry>(p.registry, "registry"); }
MemoryProfile& memoryProfile(Platform& p) { return fakeOf<MemoryProfile>(p.profile, "profile"); }
FakeFiles& fakeFiles(Platform& p) { return fakeOf<FakeFiles>(p.files, "files"); }
FakeNetwork& fakeNetwork(Platform& p) { return fakeOf<FakeNetwork>(p.network, "network"); }
