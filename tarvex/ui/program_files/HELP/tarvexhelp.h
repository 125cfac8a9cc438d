#define Contents 10
#define SiteInputs 20
#define ForestInputs 30
#define Results 40
#define Messages 50
#define TarvexFile 60
