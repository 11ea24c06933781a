#include "platform/FontConfiguration.h"

#include <QLibrary>
#include <thread>

namespace zamt {

struct FontConfigurationAhead::Reader {
    std::thread thread;
};

FontConfigurationAhead::FontConfigurationAhead() : reader_(new Reader) {
    // Qt links fontconfig itself; this finds the library already loaded.
    reader_->thread = std::thread([] {
        using Init = int (*)();
        if (const auto init = reinterpret_cast<Init>(
                QLibrary::resolve(QStringLiteral("fontconfig"), 1, "FcInit")))
            init();
    });
}

FontConfigurationAhead::~FontConfigurationAhead() {
    reader_->thread.join();
    delete reader_;
}

} // namespace zamt
