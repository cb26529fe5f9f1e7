// Readers of the values kept in the settings file.
