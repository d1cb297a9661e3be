'use strict';

const fs = require('fs');
const path = require('path');

// The version of an installed package, for the generated tables' headers. Some packages do
// not export their package.json, so it is found next to their entry file.
function versionOf(packageName) {
    let folder = path.dirname(require.resolve(packageName));
    for (;;) {
        const file = path.join(folder, 'package.json');
        if (fs.existsSync(file)) {
            const manifest = JSON.parse(fs.readFileSync(file, 'utf8'));
            if (manifest.name === packageName) return manifest.version;
        }
        const parent = path.dirname(folder);
        if (parent === folder) throw new Error(`no package.json for ${packageName}`);
        folder = parent;
    }
}

module.exports = { versionOf };
