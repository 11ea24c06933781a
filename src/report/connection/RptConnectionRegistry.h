#pragma once
// The engine-wide list of data connections, by name. Connections add
// themselves when created and remove themselves when destroyed; data views
// find theirs by name, compared without regard to case. User-interface
// thread only.
#include <string_view>

namespace zamt {

class TRptCustomConnection;

class RptConnectionRegistry {
public:
    static void add(TRptCustomConnection* connection);
    static void remove(TRptCustomConnection* connection);
    // The earliest registered connection of that name, or nullptr.
    static TRptCustomConnection* find(std::string_view name);
};

} // namespace zamt
