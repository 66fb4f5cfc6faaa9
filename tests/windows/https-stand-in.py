# A web server for the end-to-end run: HTTPS on 127.0.0.1 with a certificate of its own, serving
# one folder; each request goes to standard error, the port to the port file once it listens.
#   python3 https-stand-in.py PORT_FILE CERTIFICATE KEY FOLDER
import functools
import http.server
import ssl
import sys

port_file, certificate, key, folder = sys.argv[1:5]
handler = functools.partial(http.server.SimpleHTTPRequestHandler, directory=folder)
server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
context.load_cert_chain(certificate, key)
server.socket = context.wrap_socket(server.socket, server_side=True)
with open(port_file, "w") as file:
    file.write(str(server.server_address[1]))
server.serve_forever()
