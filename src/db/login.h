// The login of a run and the activity log of the exports.
#pragma once

#include <string>

namespace db {

// Looks the user up in `users` by name and password (UTF-8, sent in the system code
// page). True when exactly one row matches; its uid becomes CurrentUserId. False for no
// row or several; nothing changes then and nothing is printed. Needs an open context;
// database errors are raised.
bool LoginUser(const std::string& user_name, const std::string& password);

// The uid of the logged-in user as text; empty before a successful login.
const std::string& CurrentUserId();

// Inserts one row into `logs` (CurrentUserId, the local date "yyyy-mm-dd", the local
// long time, the text) and commits it. Database errors are raised.
void WriteLogEntry(const std::string& log_text);

// The beginning shared by the disc exports with database names: the movie number must be
// an integer greater than 0 (else "The movie_id must be an integer and greater than 0."
// is printed and nothing touches the database), then the context is opened and the user
// logged in (else "The user or password is incorrect." is printed). True when the export
// may go on. Database errors are raised.
bool BeginNamedExport(const std::string& user_name, const std::string& password, const std::string& movie_id);

// True when the movie number converts to an integer greater than 0; otherwise prints
// "The movie_id must be an integer and greater than 0.".
bool CheckMovieId(const std::string& movie_id);

}  // namespace db
