// Fixed-size game tables with checked indices.
// The game's tables have fixed sizes that are its limits. An index outside a
// table never touches memory beyond it: reads give a zeroed record and writes
// land in a scratch record that is cleared again before the next access, and
// the first such access of each table is reported once on standard error,
// with the table's name, so the report says where to look.
#pragma once

#include <cstdio>

// Every out-of-range access of every table, reported or not: long runs and the
// fuzzing of the file readers check that it stays 0.
inline long tableOutOfRangeCount = 0;

template <class T, int N>
struct Table {
    T entries[N]{};
    T scratch{};
    const char* name = "table";
    int reported = 0;

    Table() = default;
    // Every game table is defined with its name; a table of tables gives the
    // name to its inner tables too.
    explicit Table(const char* tableName) { Name(tableName); }

    static constexpr int size() { return N; }

    void Name(const char* tableName) {
        name = tableName;
        if constexpr (requires(T& inner) { inner.Name(tableName); }) {
            for (T& inner : entries) inner.Name(tableName);
            scratch.Name(tableName);
        }
    }

    T& operator[](int index) {
        if (index >= 0 && index < N) return entries[index];
        return OutOfRange(index);
    }
    const T& operator[](int index) const {
        if (index >= 0 && index < N) return entries[index];
        return const_cast<Table*>(this)->OutOfRange(index);
    }
    // Fills every entry with its zero value (empty text, 0, 0.0, null picture).
    // Inner tables are cleared in place, so they keep their names.
    void Clear() {
        for (T& entry : entries) ClearEntry(entry);
        ClearEntry(scratch);
    }
    // Fills every entry with one value.
    void Fill(const T& value) {
        for (int i = 0; i < N; i++) entries[i] = value;
    }
    T* begin() { return entries; }
    T* end() { return entries + N; }
    const T* begin() const { return entries; }
    const T* end() const { return entries + N; }

private:
    static void ClearEntry(T& entry) {
        if constexpr (requires(T& inner) { inner.Clear(); }) entry.Clear();
        else entry = T{};
    }
    T& OutOfRange(int index) {
        tableOutOfRangeCount++;
        if (!reported) {
            reported = 1;
            std::fprintf(stderr, "index %d outside %s of %d entries\n", index, name, N);
        }
        ClearEntry(scratch);
        return scratch;
    }
};
