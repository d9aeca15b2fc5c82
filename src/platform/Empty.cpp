// Keeps a library whose folder has no source of its own yet a valid archive.
