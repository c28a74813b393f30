#pragma once
// Records the statements every connection of the process runs, with their bound values written
// in, so that the engine's side of a side-by-side benchmark replays exactly what the program
// asked of the engine. Install once at the start of main(), before any connection opens.
#include <sqlcipher/sqlite3.h>
#include <string>
#include <vector>

namespace benchdata {

class StatementRecorder {
public:
    static StatementRecorder &instance()
    {
        static StatementRecorder recorder;
        return recorder;
    }

    // Every connection opened from now on reports its statements here.
    void install() { sqlite3_auto_extension(reinterpret_cast<void (*)()>(&attach)); }

    void start()
    {
        m_statements.clear();
        m_recording = true;
    }
    std::vector<std::string> stop()
    {
        m_recording = false;
        return std::move(m_statements);
    }

private:
    static int attach(sqlite3 *db, char **, const sqlite3_api_routines *)
    {
        sqlite3_trace_v2(db, SQLITE_TRACE_STMT, &traced, &instance());
        return SQLITE_OK;
    }

    static int traced(unsigned, void *context, void *statement, void *text)
    {
        auto *self = static_cast<StatementRecorder *>(context);
        const char *sql = static_cast<const char *>(text);
        if (!self->m_recording || !sql || (sql[0] == '-' && sql[1] == '-')) // triggers
            return 0;
        char *expanded = sqlite3_expanded_sql(static_cast<sqlite3_stmt *>(statement));
        self->m_statements.emplace_back(expanded ? expanded : sql);
        sqlite3_free(expanded);
        return 0;
    }

    bool m_recording = false;
    std::vector<std::string> m_statements;
};

} // namespace benchdata
