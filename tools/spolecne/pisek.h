// SPDX-License-Identifier: GPL-3.0-or-later
// A scratch folder for the game to run in: it sees a data folder's pictures and
// maps and has its own savy/, so a tool's saves never touch a player's game.
// Removed with the object.
#pragma once

#include <stdlib.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

class Pisek {
public:
    explicit Pisek(const std::filesystem::path& data) {
        namespace fs = std::filesystem;
        std::string vzor = (fs::temp_directory_path() / "grondelvik-pisek-XXXXXX").string();
        if (!mkdtemp(vzor.data())) {
            std::fprintf(stderr, "cannot make a scratch folder\n");
            std::exit(2);
        }
        koren = vzor;
        fs::create_directory_symlink(fs::absolute(data) / "grafika", koren / "grafika");
        fs::create_directory_symlink(fs::absolute(data) / "mapy", koren / "mapy");
        fs::create_directory(koren / "savy");
    }
    ~Pisek() {
        std::error_code ec;
        std::filesystem::remove_all(koren, ec);
    }
    Pisek(const Pisek&) = delete;
    Pisek& operator=(const Pisek&) = delete;
    const std::filesystem::path& cesta() const { return koren; }

private:
    std::filesystem::path koren;
};
