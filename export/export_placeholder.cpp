// Replaced by the exporter units.
