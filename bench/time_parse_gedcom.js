// Reads and parses a GEDCOM file with the npm package parse-gedcom, for
// scripts/bench.sh to compare against: node time_parse_gedcom.js PACKAGE_DIR FILE.ged
// Prints the number of top-level records, so that the parse cannot be skipped.
const path = require('path');
const fs = require('fs');
const { parse } = require(path.resolve(process.argv[2]));
const tree = parse(fs.readFileSync(process.argv[3], 'utf8'));
console.log(`${tree.children.length} records`);
