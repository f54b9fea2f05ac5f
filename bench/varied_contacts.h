#pragma once
// A contact file of varied contacts for the list benchmarks: eight first
// names in mixed case, scattered last names, short and blank cities, phones
// with and without a leading number.
#include <filesystem>
#include <fstream>
#include <string>

#include "store/contact_record.h"

namespace varnel::bench {

inline const char* const kFirst[] = {"John", "mary", "Ann", "Zoe", "Carl", "beth", "Ed", "Ivy"};
inline const char* const kCity[] = {"Springfield", "Cold Springs", "Austin", "",
                                    "Dallas",      "Boston"};

inline std::filesystem::path makeVariedFile(const std::filesystem::path& folder, int records) {
    std::string all;
    all.reserve(static_cast<std::size_t>(records) * 518);
    for (int i = 0; i < records; ++i) {
        varnel::ContactRecord r;
        r.set(varnel::Field::FirstName, kFirst[i % 8]);
        r.set(varnel::Field::MI, i % 3 == 0 ? "Q" : "");
        r.set(varnel::Field::LastName, "Name" + std::to_string((i * 7919LL) % 100000));
        r.set(varnel::Field::Street1, std::to_string(i % 900 + 1) + " Main Street");
        r.set(varnel::Field::City, kCity[i % 6]);
        r.set(varnel::Field::State, i % 2 ? "CA" : "NY");
        r.set(varnel::Field::Zip, std::to_string(10000 + i % 89999));
        r.set(varnel::Field::HomePhone, i % 4 ? "555-0100" : "(555) 555-0100");
        r.set(varnel::Field::Email, "person" + std::to_string(i) + "@example.com");
        all.append(r.data(), 518);
    }
    auto path = folder / "list.DAT";
    std::ofstream(path, std::ios::binary)
        .write(all.data(), static_cast<std::streamsize>(all.size()));
    return path;
}

}  // namespace varnel::bench
