// key-paint-watch PROGRAM FOLDER [PRESSES] [LOOK_MS]: a key press in the Buildings list to the new
// picture over Image1, as a user meets it. Writes three sets of Buildings sheets under FOLDER,
// starts PROGRAM in each with preloading on and off, and presses Down in Combo1 through XTEST
// PRESSES times (48), LOOK_MS (300) after each paint; each press is timed from its flush to the
// first DAMAGE over Image1 on the X server. Prints median and 95th percentile per sheet kind
// beside the targets; exits 1 when one is missed, 2 when the run cannot be made.
#include "Catalogue.h"
#include "WindowDescription.h"

#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QString>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <X11/keysym.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr milliseconds kNoPaint{2000}; // a press with no picture by then counts as this long
constexpr double kTargetP95Ms = 16;    // with preloading, every kind: a frame at 60 Hz

struct SheetKind {
    const char *name;
    const char *folder;
    int width; // 0: Image1's own size
    int height;
    const char *format;
    int grain;          // 0: drawn, flat colours; otherwise the noise of a photograph
    double ratioTarget; // p95 with preloading / without it; 0: none
};

// A drawn sheet at the box's size; a photograph; a full-screen screenshot pasted as a sheet.
constexpr std::array<SheetKind, 3> kKinds{{
    {"JPEG 393x305 drawn", "jpeg-drawn", 0, 0, "JPEG", 0, 0},
    {"JPEG 1600x1200 photo", "jpeg-photo", 1600, 1200, "JPEG", 64, 0},
    {"PNG 1920x1080 screenshot", "png-screen", 1920, 1080, "PNG", 96, 0.25},
}};

constexpr const shell::ControlDescription &control(std::string_view name)
{
    for (const shell::ControlDescription &c : shell::kControls) {
        if (c.name == name)
            return c;
    }
    throw std::logic_error("no such control");
}

constexpr const shell::ControlDescription &kCombo1 = control("Combo1");
constexpr const catalogue::Category &kBuildings = catalogue::kCategories[0];

// Small and fast, so a photograph's grain costs little to write; seeded per sheet.
struct Grain {
    std::uint64_t state;
    std::uint32_t next()
    {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return std::uint32_t(state >> 11);
    }
    int below(int n) { return int(next() % std::uint32_t(n)); }
};

// Buildings in flat colours with outlines, as a hand-drawn sheet is.
QImage drawnSheet(int width, int height, Grain &grain)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor::fromHsv(grain.below(360), 20 + grain.below(40), 230));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const int ground = height * 3 / 4;
    painter.fillRect(0, ground, width, height - ground, QColor::fromHsv(grain.below(360), 90, 150));
    for (int x = 10; x < width - 40;) {
        const int w = 30 + grain.below(70);
        const int h = 40 + grain.below(ground - 60);
        painter.setPen(QPen(Qt::black, 2));
        painter.setBrush(QColor::fromHsv(grain.below(360), 60 + grain.below(150), 200));
        painter.drawRect(x, ground - h, w, h);
        const QPoint roof[] = {
            {x - 4, ground - h}, {x + w / 2, ground - h - 25}, {x + w + 4, ground - h}};
        painter.setBrush(QColor::fromHsv(grain.below(360), 180, 120));
        painter.drawPolygon(roof, 3);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(QColor(250, 240, 160));
        for (int wy = ground - h + 8; wy < ground - 14; wy += 16) {
            for (int wx = x + 5; wx < x + w - 10; wx += 14)
                painter.drawRect(wx, wy, 7, 9);
        }
        x += w + 8 + grain.below(20);
    }
    return image;
}

// Broad gradients and soft shapes under a grain, so each file is as large as a photograph's.
QImage photoSheet(int width, int height, int amount, Grain &grain)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, width * 0.3, height);
    sky.setColorAt(
        0, QColor::fromHsv(grain.below(360), 60 + grain.below(120), 120 + grain.below(130)));
    sky.setColorAt(1,
                   QColor::fromHsv(grain.below(360), 60 + grain.below(120), 40 + grain.below(130)));
    painter.fillRect(image.rect(), sky);
    painter.setPen(Qt::NoPen);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 24; ++i) {
        const QPointF centre(grain.below(width), grain.below(height));
        const qreal radius = width / 20 + grain.below(width / 4);
        QColor colour = QColor::fromHsv(grain.below(360), grain.below(256), grain.below(256), 200);
        QRadialGradient blob(centre, radius);
        blob.setColorAt(0, colour);
        colour.setAlpha(0);
        blob.setColorAt(1, colour);
        painter.setBrush(blob);
        painter.drawEllipse(centre, radius, radius);
    }
    painter.end();
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const std::uint32_t n = grain.next();
            const auto channel = [&](int value, int shift) {
                return std::clamp(value + int((n >> shift) & 0xff) * amount / 255 - amount / 2, 0,
                                  255);
            };
            line[x] = qRgb(channel(qRed(line[x]), 0), channel(qGreen(line[x]), 8),
                           channel(qBlue(line[x]), 16));
        }
    }
    return image;
}

// Every sheet of the Buildings list, each a picture of its own, shared over the cores. Returns
// their average size in bytes.
std::uintmax_t writeSheets(const SheetKind &kind, const std::filesystem::path &folder, int seed)
{
    std::filesystem::create_directories(folder);
    std::vector<std::string_view> names;
    for (const catalogue::Entry &entry : kBuildings.entries) {
        if (std::find(names.begin(), names.end(), entry.sheet) == names.end())
            names.push_back(entry.sheet);
    }
    const int width = kind.width > 0 ? kind.width : shell::kPictureBox.pixelWidth();
    const int height = kind.height > 0 ? kind.height : shell::kPictureBox.pixelHeight();
    std::vector<int> failed(names.size(), 0);
    const auto writeEvery = [&](std::size_t first, std::size_t step) {
        for (std::size_t i = first; i < names.size(); i += step) {
            Grain grain{0x9E3779B97F4A7C15ull * std::uint64_t(seed * 1000 + int(i) + 1)};
            const QImage image = kind.grain > 0 ? photoSheet(width, height, kind.grain, grain)
                                                : drawnSheet(width, height, grain);
            const std::filesystem::path path = folder / names[i];
            failed[i] = !image.save(QString::fromStdString(path.string()), kind.format, 90);
        }
    };
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::thread> workers;
    for (unsigned c = 1; c < cores; ++c)
        workers.emplace_back(writeEvery, c, cores);
    writeEvery(0, cores);
    for (std::thread &worker : workers)
        worker.join();
    std::uintmax_t bytes = 0;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (failed[i])
            throw std::runtime_error("could not write " + (folder / names[i]).string());
        bytes += std::filesystem::file_size(folder / names[i]);
    }
    return bytes / names.size();
}

int xErrors(Display *, XErrorEvent *error)
{
    std::fprintf(stderr, "key-paint-watch: X error %d on request %d\n", error->error_code,
                 error->request_code);
    return 0;
}

struct Rect {
    int x, y, width, height;
    bool meets(const XRectangle &r) const
    {
        return r.x < x + width && x < r.x + r.width && r.y < y + height && y < r.y + r.height;
    }
};

constexpr Rect kImage1{shell::kPictureBox.pixelLeft(), shell::kPictureBox.pixelTop(),
                       shell::kPictureBox.pixelWidth(), shell::kPictureBox.pixelHeight()};

// What the program says, beside the sheet folder it watches.
std::filesystem::path programLog(const std::filesystem::path &folder)
{
    return folder.parent_path() / (folder.filename().string() + ".log");
}

// The program under test, in a process group of its own that ends with this one, whatever
// happens to either.
class Program {
public:
    Program(const std::string &program, const std::filesystem::path &folder, bool preload,
            const std::filesystem::path &log)
    {
        // Made before the fork, so the child only calls what is safe there.
        std::vector<std::string> environment;
        for (char **variable = environ; *variable != nullptr; ++variable) {
            if (!std::string_view(*variable).starts_with("TESSELBOX_PRELOAD="))
                environment.emplace_back(*variable);
        }
        if (!preload)
            environment.emplace_back("TESSELBOX_PRELOAD=0");
        std::vector<char *> envp;
        for (std::string &variable : environment)
            envp.push_back(variable.data());
        envp.push_back(nullptr);
        char *argv[] = {const_cast<char *>(program.c_str()), nullptr};

        m_pid = ::fork();
        if (m_pid < 0)
            throw std::runtime_error("cannot start " + program);
        if (m_pid == 0) {
            ::setpgid(0, 0);
            ::prctl(PR_SET_PDEATHSIG, SIGKILL);
            const int out = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            ::dup2(out, 1);
            ::dup2(out, 2);
            if (::chdir(folder.c_str()) == 0)
                ::execve(argv[0], argv, envp.data());
            ::_exit(127);
        }
        ::setpgid(m_pid, m_pid);
    }
    ~Program()
    {
        ::kill(-m_pid, SIGKILL);
        ::waitpid(m_pid, nullptr, 0);
    }
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    bool ended() const { return ::waitpid(m_pid, nullptr, WNOHANG) == m_pid; }

private:
    pid_t m_pid;
};

struct Run {
    std::vector<double> ms;
    std::vector<std::string> lost; // the presses that brought no picture
};

class Watch {
public:
    explicit Watch(Display *display)
        : m_display(display)
        , m_down(XKeysymToKeycode(display, XK_Down))
        , m_up(XKeysymToKeycode(display, XK_Up))
    {
        int event = 0, error = 0, major = 0, minor = 0;
        if (!XTestQueryExtension(display, &event, &error, &major, &minor) ||
            !XDamageQueryExtension(display, &m_damageEvent, &error))
            throw std::runtime_error("the X server has no XTEST or DAMAGE extension");
        XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    }

    Run run(const std::string &programPath, const std::filesystem::path &folder, bool preload,
            int presses, milliseconds look)
    {
        XSync(m_display, True);
        m_program.emplace(programPath, folder, preload, programLog(folder));
        m_window = waitForWindow();
        const Damage damage = XDamageCreate(m_display, m_window, XDamageReportRawRectangles);
        settle(milliseconds(500));
        focusCombo1();

        // The first entry: the helper starts here, so it is not timed.
        int index = 0;
        if (!press(m_down, milliseconds(10000)))
            throw std::runtime_error("no picture after the first Down: Combo1 took no key");
        Run result;
        KeyCode key = m_down;
        for (int i = 0; i < presses; ++i) {
            std::this_thread::sleep_for(look);
            if (index == int(kBuildings.entries.size()) - 1)
                key = m_up; // at the end of the list, go up again
            else if (index == 0)
                key = m_down;
            index += key == m_down ? 1 : -1;
            const std::optional<double> ms = press(key, kNoPaint);
            result.ms.push_back(ms.value_or(double(kNoPaint.count())));
            if (!ms)
                result.lost.push_back("press " + std::to_string(i + 1) + " (to \"" +
                                      std::string(kBuildings.entries[std::size_t(index)].text) +
                                      "\")");
        }
        XDamageDestroy(m_display, damage);
        XSync(m_display, True);
        m_program.reset();
        return result;
    }

private:
    // The program's main window, by its caption, once mapped.
    Window waitForWindow()
    {
        const auto deadline = Clock::now() + milliseconds(10000);
        for (;;) {
            XEvent event;
            if (!next(event, deadline))
                throw std::runtime_error("no window was mapped within 10 s");
            if (event.type != MapNotify || event.xmap.override_redirect)
                continue;
            if (caption(event.xmap.window) != shell::kFormCaption)
                continue;
            XWindowAttributes attributes;
            XGetWindowAttributes(m_display, event.xmap.window, &attributes);
            if (attributes.width != shell::twipsToPixels(shell::kClientWidthTwips) ||
                attributes.height != shell::twipsToPixels(shell::kClientHeightTwips))
                throw std::runtime_error("the window is not at its own size: scaled?");
            return event.xmap.window;
        }
    }

    std::string caption(Window window)
    {
        Atom type = None;
        int format = 0;
        unsigned long items = 0, after = 0;
        unsigned char *data = nullptr;
        std::string text;
        if (XGetWindowProperty(m_display, window, XInternAtom(m_display, "_NET_WM_NAME", False), 0,
                               256, False, AnyPropertyType, &type, &format, &items, &after,
                               &data) == Success &&
            data != nullptr)
            text.assign(reinterpret_cast<char *>(data), items);
        if (data != nullptr)
            XFree(data);
        return text;
    }

    // Until the window has painted and then nothing for `quiet`.
    void settle(milliseconds quiet)
    {
        const auto deadline = Clock::now() + milliseconds(10000);
        for (auto calm = Clock::now() + quiet; Clock::now() < deadline;) {
            XEvent event;
            if (!next(event, std::min(calm, deadline)))
                return;
            calm = Clock::now() + quiet;
        }
        throw std::runtime_error("the window never stopped painting");
    }

    // As a window manager gives a clicked window the keyboard, then a click in Combo1's field.
    void focusCombo1()
    {
        int x = 0, y = 0;
        Window child = None;
        XTranslateCoordinates(m_display, m_window, DefaultRootWindow(m_display),
                              kCombo1.pixelLeft() + 20,
                              kCombo1.pixelTop() + kCombo1.pixelHeight() / 2, &x, &y, &child);
        XSetInputFocus(m_display, m_window, RevertToParent, CurrentTime);
        XTestFakeMotionEvent(m_display, DefaultScreen(m_display), x, y, CurrentTime);
        XTestFakeButtonEvent(m_display, 1, True, CurrentTime);
        XTestFakeButtonEvent(m_display, 1, False, CurrentTime);
        XSync(m_display, False);
        settle(milliseconds(200));
    }

    // One key down and up; the time from their flush to the first damage over Image1.
    std::optional<double> press(KeyCode key, milliseconds patience)
    {
        XSync(m_display, False);
        while (XPending(m_display)) {
            XEvent event;
            XNextEvent(m_display, &event);
            checkOwnWindow(event);
        }
        XTestFakeKeyEvent(m_display, key, True, CurrentTime);
        XTestFakeKeyEvent(m_display, key, False, CurrentTime);
        XFlush(m_display);
        const auto t0 = Clock::now();
        for (;;) {
            XEvent event;
            if (!next(event, t0 + patience))
                return std::nullopt;
            const auto read = Clock::now();
            checkOwnWindow(event);
            if (event.type == m_damageEvent + XDamageNotify &&
                kImage1.meets(reinterpret_cast<const XDamageNotifyEvent &>(event).area))
                return std::chrono::duration<double, std::milli>(read - t0).count();
        }
    }

    // A message box or any other window would take the keys: the run would measure nothing.
    void checkOwnWindow(const XEvent &event)
    {
        if (event.type == MapNotify && !event.xmap.override_redirect &&
            event.xmap.window != m_window)
            throw std::runtime_error("the program opened another window (a message?)");
    }

    // The next event, or false at `deadline`; throws when the program has ended.
    bool next(XEvent &event, Clock::time_point deadline)
    {
        for (;;) {
            if (XPending(m_display)) {
                XNextEvent(m_display, &event);
                return true;
            }
            if (m_program && m_program->ended())
                throw std::runtime_error("the program ended");
            const auto left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now());
            if (left.count() <= 0)
                return false;
            pollfd connection{ConnectionNumber(m_display), POLLIN, 0};
            ::poll(&connection, 1, int(std::min<long long>(left.count() + 1, 100)));
        }
    }

    Display *m_display;
    KeyCode m_down;
    KeyCode m_up;
    int m_damageEvent = 0;
    std::optional<Program> m_program; // ended with the run, or with this
    Window m_window = None;
};

// Nearest rank: the value that `share` of the presses came within.
double percentile(std::vector<double> values, double share)
{
    std::sort(values.begin(), values.end());
    const auto rank = std::size_t(std::ceil(share * double(values.size())));
    return values[std::clamp<std::size_t>(rank, 1, values.size()) - 1];
}

void printTail(const std::filesystem::path &log)
{
    std::ifstream file(log);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);)
        lines.push_back(line);
    for (std::size_t i = lines.size() > 20 ? lines.size() - 20 : 0; i < lines.size(); ++i)
        std::fprintf(stderr, "  %s\n", lines[i].c_str());
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv); // the image writers are plugins
    Display *display = argc > 2 ? XOpenDisplay(nullptr) : nullptr;
    const int presses = argc > 3 ? std::atoi(argv[3]) : 48;
    const milliseconds look(argc > 4 ? std::atoi(argv[4]) : 300);
    if (display == nullptr || presses < 1 || look.count() < 0) {
        std::fprintf(stderr, "usage: %s PROGRAM FOLDER [PRESSES] [LOOK_MS], with a display\n",
                     argv[0]);
        return 2;
    }
    XSetErrorHandler(xErrors);
    const std::string program = std::filesystem::absolute(argv[1]).string();
    const std::filesystem::path work = std::filesystem::absolute(argv[2]);

    std::array<std::array<Run, 2>, kKinds.size()> runs; // [kind][on, off]
    std::array<std::uintmax_t, kKinds.size()> sizes{};
    std::filesystem::path folder;
    try {
        Watch watch(display);
        for (std::size_t k = 0; k < kKinds.size(); ++k) {
            folder = work / kKinds[k].folder;
            sizes[k] = writeSheets(kKinds[k], folder, int(k));
            for (const bool preload : {true, false})
                runs[k][preload ? 0 : 1] = watch.run(program, folder, preload, presses, look);
        }
    } catch (const std::exception &error) {
        std::fprintf(stderr, "key-paint-watch: %s\n", error.what());
        printTail(programLog(folder));
        return 2;
    }
    XCloseDisplay(display);

    std::printf("a key press in Combo1 to the new picture over Image1, ms (%d presses, %lld ms "
                "look at each)\n%-35s %15s %15s %7s\n%-35s %7s %7s %7s %7s %7s\n",
                presses, static_cast<long long>(look.count()), "", "preloading on", "off", "p95",
                "sheets, average file", "median", "p95", "median", "p95", "on/off");
    bool met = true;
    for (std::size_t k = 0; k < kKinds.size(); ++k) {
        const SheetKind &kind = kKinds[k];
        const std::vector<double> &on = runs[k][0].ms, &off = runs[k][1].ms;
        const double p95On = percentile(on, 0.95), p95Off = percentile(off, 0.95);
        const double ratio = p95On / p95Off;
        const bool fast = p95On <= kTargetP95Ms;
        const bool ahead = kind.ratioTarget == 0 || ratio <= kind.ratioTarget;
        met = met && fast && ahead;
        std::printf("%-26s %4ju KiB %7.1f %7.1f %7.1f %7.1f %7.2f  target p95 on <= %.0f ms%s",
                    kind.name, sizes[k] / 1024, percentile(on, 0.5), p95On, percentile(off, 0.5),
                    p95Off, ratio, kTargetP95Ms, fast ? "" : " MISSED");
        if (kind.ratioTarget > 0)
            std::printf(", on/off <= %.2f%s", kind.ratioTarget, ahead ? "" : " MISSED");
        std::printf("\n");
        for (std::size_t r = 0; r < 2; ++r) {
            for (const std::string &lost : runs[k][r].lost)
                std::printf("  %s, preloading %s: %s: no picture within %lld ms\n", kind.name,
                            r == 0 ? "on" : "off", lost.c_str(),
                            static_cast<long long>(kNoPaint.count()));
        }
    }
    return met ? 0 : 1;
}
