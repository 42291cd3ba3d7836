// Serves the web page's folder on the loopback interface only, and prints the address.
//   node scripts/web-serve.js FOLDER [PORT]     (PORT 0 or none: any free port)
// Only the files at the top of the folder are served (the page, its script, module and
// pictures); nothing below it and nothing outside it.
'use strict';
const http = require('http');
const fs = require('fs');
const path = require('path');

const folder = path.resolve(process.argv[2] || '.');
const port = Number(process.argv[3] || 0);
const types = {
    '.html': 'text/html; charset=utf-8',
    '.js': 'text/javascript; charset=utf-8',
    '.wasm': 'application/wasm',
    '.data': 'application/octet-stream',
};

const server = http.createServer((req, res) => {
    const name = decodeURIComponent(new URL(req.url, 'http://127.0.0.1').pathname).replace(/^\/+/, '') || 'index.html';
    const type = types[path.extname(name)];
    if (!type || name.includes('/') || name.includes('\\') || name.startsWith('.')) {
        res.writeHead(404).end('not found\n');
        return;
    }
    fs.readFile(path.join(folder, name), (err, body) => {
        if (err) {
            res.writeHead(404).end('not found\n');
            return;
        }
        // A rebuilt page is always fetched again.
        res.writeHead(200, { 'Content-Type': type, 'Cache-Control': 'no-store' }).end(body);
    });
});
server.on('error', (err) => {
    console.error('web-serve: ' + err.message);
    process.exit(1);
});
server.listen(port, '127.0.0.1', () => {
    console.log('Hoofbound is served at http://127.0.0.1:' + server.address().port + '/ (Ctrl+C stops it)');
});
