// A static server for the web build's site on 127.0.0.1, for the tests, the benchmarks and
// `./run.sh --web`: the site's files with their types, gzipped where the browser accepts it, and
// the page's Content-Security-Policy as a header, with what only a header can say.
//   node tests/web/serve.mjs DIR [PORT]    prints the address; PORT 0 (the default) picks one
import {createServer} from 'node:http';
import {readFile} from 'node:fs/promises';
import {extname, join, normalize} from 'node:path';
import {gzipSync} from 'node:zlib';
import {pathToFileURL} from 'node:url';

const types = {
    '.html': 'text/html; charset=utf-8',
    '.js': 'text/javascript; charset=utf-8',
    '.mjs': 'text/javascript; charset=utf-8',
    '.css': 'text/css; charset=utf-8',
    '.wasm': 'application/wasm',
    '.png': 'image/png',
    '.webmanifest': 'application/manifest+json',
};

// The policy of the page's own <meta>, and the framing that only a header can forbid.
async function policyOf(dir) {
    try {
        const page = await readFile(join(dir, 'index.html'), 'utf8');
        const found = /http-equiv="Content-Security-Policy" content="([^"]*)"/.exec(page);
        return found ? `${found[1]}; frame-ancestors 'none'` : null;
    } catch {
        return null;
    }
}

// Files are compressed once, as a static host keeps them compressed beside the originals.
const compressed = new Map();
function gzipped(file, body) {
    const cached = compressed.get(file);
    if (cached && cached.source.equals(body)) return cached.body;
    const entry = {source: body, body: gzipSync(body, {level: 9})};
    compressed.set(file, entry);
    return entry.body;
}

// Serves `dir` on 127.0.0.1:`port`; resolves to {server, url, bytes}, where bytes() tells how
// many bytes of bodies went out since the last call.
export async function serve(dir, port = 0) {
    const policy = await policyOf(dir);
    let sent = 0;
    const server = createServer(async (request, response) => {
        const path = decodeURIComponent(new URL(request.url, 'http://host').pathname);
        const file = normalize(join(dir, path.endsWith('/') ? path + 'index.html' : path));
        let body;
        try {
            if (!file.startsWith(normalize(dir))) throw new Error('outside the site');
            body = await readFile(file);
        } catch {
            response.writeHead(404, {'Content-Type': 'text/plain'}).end('not found');
            return;
        }
        const headers = {
            'Content-Type': types[extname(file)] || 'application/octet-stream',
            'Cache-Control': 'no-cache',
            'X-Content-Type-Options': 'nosniff',
            'Referrer-Policy': 'no-referrer',
        };
        if (policy && extname(file) === '.html') headers['Content-Security-Policy'] = policy;
        if (/\bgzip\b/.test(request.headers['accept-encoding'] || '')) {
            body = gzipped(file, body);
            headers['Content-Encoding'] = 'gzip';
        }
        headers['Content-Length'] = body.length;
        sent += body.length;
        response.writeHead(200, headers).end(request.method === 'HEAD' ? undefined : body);
    });
    await new Promise((resolve) => server.listen(port, '127.0.0.1', resolve));
    const url = `http://127.0.0.1:${server.address().port}/`;
    const bytes = () => {
        const count = sent;
        sent = 0;
        return count;
    };
    return {server, url, bytes};
}

if (import.meta.url === pathToFileURL(process.argv[1]).href) {
    if (!process.argv[2]) {
        console.error('usage: node serve.mjs DIR [PORT]');
        process.exit(2);
    }
    const {url} = await serve(process.argv[2], Number(process.argv[3] || 0));
    console.log(`Serving ${process.argv[2]} at ${url} (Ctrl+C ends)`);
}
