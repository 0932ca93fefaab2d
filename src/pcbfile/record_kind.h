#pragma once

// Which records a keyword opens: free records begin with "F", component
// records with "C". Inserted records take the family of their source.
enum class RecordFamily { free, component };

enum class RecordKind { arc, track, via, pad };
