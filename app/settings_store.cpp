// The settings store: sections of key=value lines.
