#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

// The screenshot program renders every screen, in its interesting states, to PNG files. Each area
// of the program registers its own shots in a file of its own here.
class ShotContext {
public:
    explicit ShotContext(QString outDir, bool checking = false)
        : outDir_(std::move(outDir)), checking_(checking) {}
    // Empties the shared state and closes every screen, with sound on as after the menu's load.
    void fresh();
    // Lets timers and paint events run for a moment.
    void settle(int ms = 30);
    // Writes the widget as it is painted now to <name>.png.
    void save(QWidget& widget, const QString& name);
    const QString& outDir() const { return outDir_; }
    int saved() const { return saved_; }
    int failures() const { return failures_; }

private:
    QString outDir_;
    bool checking_;
    int saved_ = 0;
    int failures_ = 0;
};

struct ShotSet {
    const char* name;
    std::function<void(ShotContext&)> run;
};

std::vector<ShotSet>& shotSets();

struct RegisterShots {
    RegisterShots(const char* name, std::function<void(ShotContext&)> run) {
        shotSets().push_back({name, std::move(run)});
    }
};
