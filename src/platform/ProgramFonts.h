#pragma once
// Fonts that travel with the program: the Windows folder carries the face
// of the default report project ("DejaVu Sans Mono"), which Windows itself
// lacks, so that a report is laid out and printed alike on both systems.

namespace zamt {

// Adds, for this run, every TrueType font in the folder "fonts" beside the
// program. Nothing happens where there is no such folder (the Linux
// package has the faces from the system's own font packages).
void addProgramFonts();

} // namespace zamt
