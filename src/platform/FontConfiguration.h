#pragma once
// The system's font configuration read ahead. On Linux fontconfig reads its
// configuration files and its cache of the font folders when it is first
// asked, which is a quarter of the start-up's work and would come when the
// first window measures its text. A thread of its own starts on it while
// the application connects to the display (fontconfig lets the first
// reading win if Qt asks meanwhile). Windows has nothing to read ahead.
//
//   FontConfigurationAhead fonts; // before the application object
//   QApplication app(argc, argv);
namespace zamt {

class FontConfigurationAhead {
public:
    FontConfigurationAhead();  // starts the reading
    ~FontConfigurationAhead(); // waits for it
    FontConfigurationAhead(const FontConfigurationAhead&) = delete;
    FontConfigurationAhead& operator=(const FontConfigurationAhead&) = delete;

private:
    struct Reader;
    Reader* reader_ = nullptr;
};

} // namespace zamt
