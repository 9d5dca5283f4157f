// The material of the season: the books quizzed, in order, with the verses of each
// chapter, the chapters level "L" covers and the season's name. It belongs to the
// workspace: read once at start from "Material.txt", or Romans and James when the
// workspace has no such file.
#pragma once
#include <string>
#include <vector>

#include "bank/tables.h"
#include "bank/textfile.h"

namespace tv {

struct Book {
    char letter = 'R';        // printed in the reference column, typed in the book fields
    std::string name;         // as in "According to <name> chapter 3"
    std::vector<int> verses;  // verses of its chapters 1, 2, ... (index 0 is chapter 1)
    int offset = 0;           // chapters of the books before it

    int chapters() const { return static_cast<int>(verses.size()); }
};

struct Season {
    std::string name;
    std::vector<Book> books;
    // Whether level "L" covers each chapter (index 0 unused): the form keeps the
    // material of a level "L" style within these chapters.
    std::vector<bool> level_l;
    // Whether a sector of a level "L" style never begins in each chapter (index 0
    // unused): it begins at the next chapter that is not skipped. With a material file
    // these are the chapters level "L" does not cover; Romans and James skip only the
    // chapters between those it covers (7, 9-11, 14-16), not 1-4 before them.
    std::vector<bool> level_l_skipped;

    // Chapters of all books: chapter numbers run 1 to this across the books.
    int chapters() const;
    // Verses of a chapter; 0 outside the books.
    int verses(int ch) const;
    // Rows of each chapter in the count file: the longest chapter, but never fewer than 45.
    int rows() const;
    // The book of a chapter; below the first book the first, above the last the last.
    const Book& book_of(int ch) const;
    // The chapter within its book.
    int within(int ch) const { return ch - book_of(ch).offset; }
    // The book a typed key names in a book field: its letter in either case. Null for
    // any other key.
    const Book* book_for_key(int key) const;
    bool level_l_covers(int ch) const;
    bool level_l_skips(int ch) const;
    // Characters of the longest book name, and chapters of the longest book.
    int longest_name() const;
    int longest_book() const;
};

constexpr const char* MATERIAL_FILE = "Material.txt";
// The page layout's reference line "According to <name> chapter 12 verse 34, "
// must end before the book letter in column 72.
constexpr int MAX_BOOK_NAME = 26;
// The banner shows the season's name after column 56 of its 80.
constexpr int MAX_SEASON_NAME = 23;

// Romans 1-16 and James 1-5, level "L" on Romans 5, 6, 8, 12, 13 and all of James.
Season default_season();

// Reads a material file:
//   season Hebrews and 1-2 Peter
//   book H Hebrews 14 18 19 16 14 20 28 13 28 39 40 29 25
//   book P 1 Peter 25 25 22 19 14
//   level-L 1-3 14
// "#" starts a comment; blank lines are allowed; a file of nothing else is the
// built-in material. A line outside this form is an IoError naming the file and the
// line. With `problems`, every such line is added to it and the reading goes on (a
// wrong verse count standing for the most a chapter may hold); a file that names no
// book is still an IoError.
Season read_season(TextReader& in, std::vector<IoError>* problems = nullptr);

// The workspace's material: its "Material.txt", or the built-in one without it.
Season load_season(const Files& files);

}  // namespace tv
